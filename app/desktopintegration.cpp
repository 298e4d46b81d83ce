// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopintegration.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QWidget>
#include <QWindow>

namespace {

const QString appUri = QStringLiteral("application://org.example.tonquirl.desktop");
const QString desktopEntry = QStringLiteral("org.example.tonquirl");
const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int progressIntervalMs = 250;

// Any path will do for the launcher; one of the app's own keeps it apart
// from other programs' entries.
QString launcherEntryPath()
{
    return QStringLiteral("/com/canonical/unity/launcherentry/")
           + QString::fromLatin1(QCryptographicHash::hash(appUri.toUtf8(), QCryptographicHash::Md5).toHex());
}

} // namespace

DesktopIntegration::DesktopIntegration(QWidget &window)
    : window(window), progressRefresh(progressIntervalMs, [this] { sendProgress(); })
{
    connect(qApp, SIGNAL(focusWindowChanged(QWindow *)), this, SLOT(focusWindowChanged(QWindow *)));
}

bool DesktopIntegration::busConnected()
{
    if (!connected) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        connected = bus.isConnected();
        // Without the sender's name: looking up the server's owner would wait for the bus.
        if (*connected)
            bus.connect(QString(), notificationsPath, notifications, QStringLiteral("ActionInvoked"), this,
                        SLOT(notificationAction(uint, QString)));
    }
    return *connected;
}

void DesktopIntegration::updateEntry(const QVariantMap &properties)
{
    QDBusMessage update = QDBusMessage::createSignal(launcherEntryPath(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    update << appUri << properties;
    QDBusConnection::sessionBus().send(update);
}

void DesktopIntegration::showProgress(double fraction)
{
    progress = fraction;
    if (!progressVisible || fraction >= 1)
        progressRefresh.run();
    else
        progressRefresh.request();
}

void DesktopIntegration::sendProgress()
{
    if (!busConnected())
        return;
    QVariantMap properties{{QStringLiteral("progress"), progress}};
    if (!progressVisible)
        properties.insert(QStringLiteral("progress-visible"), true);
    progressVisible = true;
    updateEntry(properties);
}

void DesktopIntegration::hideProgress()
{
    progressRefresh.cancel();
    if (!progressVisible)
        return;
    progressVisible = false;
    updateEntry({{QStringLiteral("progress-visible"), false}});
}

void DesktopIntegration::batchCompleted(const QString &summary, const QString &body)
{
    if (window.isActiveWindow() || !busConnected())
        return;
    QApplication::alert(&window);
    urgent = true;
    updateEntry({{QStringLiteral("urgent"), true}});

    QDBusMessage notify = QDBusMessage::createMethodCall(notifications, notificationsPath, notifications,
                                                         QStringLiteral("Notify"));
    notify << QStringLiteral("tonquirl") << notificationId << desktopEntry << summary << body
           << QStringList{QStringLiteral("default"), tr("Anzeigen")}
           << QVariantMap{{QStringLiteral("desktop-entry"), desktopEntry}} << -1;
    auto *call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(call, SIGNAL(finished(QDBusPendingCallWatcher *)), this, SLOT(notificationShown(QDBusPendingCallWatcher *)));
}

void DesktopIntegration::notificationShown(QDBusPendingCallWatcher *call)
{
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isValid())
        notificationId = reply.value();
    call->deleteLater();
}

void DesktopIntegration::notificationAction(uint id, const QString &action)
{
    if (id != notificationId || notificationId == 0 || action != QLatin1String("default"))
        return;
    // The completion box, when it is still open, is what the user must answer.
    QWidget *front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &window;
    window.show();
    window.raise();
    front->raise();
    front->activateWindow();
}

// The user has come back once the window or one of its boxes is active.
void DesktopIntegration::focusWindowChanged(QWindow *focus)
{
    if (!urgent)
        return;
    for (QWindow *shown = focus; shown; shown = shown->transientParent()) {
        if (shown == window.windowHandle()) {
            urgent = false;
            updateEntry({{QStringLiteral("urgent"), false}});
            return;
        }
    }
}
