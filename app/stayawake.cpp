// SPDX-License-Identifier: GPL-3.0-or-later
#include "stayawake.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QUuid>
#include <QWidget>

namespace {

const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
constexpr uint suspendFlag = 4;

// The portal's name for the window, so that it can tie the request to it; none on Wayland.
QString windowIdentifier(const QWidget &window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QString();
    return QStringLiteral("x11:") + QString::number(window.winId(), 16);
}

} // namespace

StayAwake::StayAwake(QWidget &window) : window(window) {}

StayAwake::~StayAwake()
{
    batchEnded();
}

void StayAwake::batchStarted(int files)
{
    ++batch;
    running = true;
    const QString why = files == 1 ? tr("1 Datei wird umgewandelt") : tr("%1 Dateien werden umgewandelt").arg(files);

    QDBusConnection system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        QDBusMessage inhibit = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
        inhibit << QStringLiteral("sleep") << QStringLiteral("tonquirl") << why << QStringLiteral("block");
        watch(new QDBusPendingCallWatcher(system.asyncCall(inhibit), this), SLOT(logindAnswered(QDBusPendingCallWatcher *)));
    }
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        QDBusMessage inhibit = QDBusMessage::createMethodCall(portal, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                              QStringLiteral("org.freedesktop.portal.Inhibit"),
                                                              QStringLiteral("Inhibit"));
        const QString token = QStringLiteral("tonquirl") + QUuid::createUuid().toString(QUuid::Id128);
        inhibit << windowIdentifier(window) << suspendFlag
                << QVariantMap{{QStringLiteral("reason"), why}, {QStringLiteral("handle_token"), token}};
        watch(new QDBusPendingCallWatcher(session.asyncCall(inhibit), this), SLOT(portalAnswered(QDBusPendingCallWatcher *)));
    }
}

void StayAwake::batchEnded()
{
    running = false;
    inhibitor = QDBusUnixFileDescriptor();  // which closes it: logind lets go
    if (!portalRequest.isEmpty())
        closePortalRequest(portalRequest);
    portalRequest.clear();
}

void StayAwake::watch(QDBusPendingCallWatcher *call, const char *answered)
{
    call->setProperty("batch", batch);
    connect(call, SIGNAL(finished(QDBusPendingCallWatcher *)), this, answered);
}

bool StayAwake::isForThisBatch(QDBusPendingCallWatcher *call) const
{
    return running && call->property("batch").toInt() == batch;
}

void StayAwake::logindAnswered(QDBusPendingCallWatcher *call)
{
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *call;
    if (reply.isValid() && isForThisBatch(call))
        inhibitor = reply.value();
    call->deleteLater();  // and with it a late answer's descriptor
}

void StayAwake::portalAnswered(QDBusPendingCallWatcher *call)
{
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isValid()) {
        if (isForThisBatch(call))
            portalRequest = reply.value().path();
        else
            closePortalRequest(reply.value().path());
    }
    call->deleteLater();
}

void StayAwake::closePortalRequest(const QString &request)
{
    QDBusMessage close = QDBusMessage::createMethodCall(portal, request, QStringLiteral("org.freedesktop.portal.Request"),
                                                        QStringLiteral("Close"));
    close.setAutoStartService(false);
    QDBusConnection::sessionBus().send(close);
}
