// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "throttle.h"

#include <QObject>
#include <QVariantMap>
#include <optional>

class QDBusPendingCallWatcher;
class QWidget;
class QWindow;

// What the desktop shows of a batch outside the window, through its own
// D-Bus standards: the whole batch's progress and a call for attention on
// the taskbar entry (com.canonical.Unity.LauncherEntry, read by KDE Plasma
// and the Ubuntu and Dash-to-Dock launchers), and a notification when a
// batch completes while the user looks at another window.
//
// Nothing here is needed: without a session bus, a launcher or a
// notification server every call does nothing, silently. The bus is
// connected at the first batch, never at start-up, and no call waits for
// an answer.
class DesktopIntegration : public QObject
{
    Q_OBJECT

public:
    explicit DesktopIntegration(QWidget &window);

    // The whole batch's progress, 0..1; sent at most four times a second,
    // but the first value of a batch and 1 at once.
    void showProgress(double fraction);
    // The batch ended, completed or stopped.
    void hideProgress();
    // A batch ran to its end: when the window is not active, the taskbar
    // entry asks for attention and a notification says what came of it.
    void batchCompleted(const QString &summary, const QString &body);

private slots:
    void notificationAction(uint id, const QString &action);
    void notificationShown(QDBusPendingCallWatcher *call);
    void focusWindowChanged(QWindow *focus);

private:
    bool busConnected();
    void updateEntry(const QVariantMap &properties);
    void sendProgress();

    QWidget &window;
    std::optional<bool> connected;  // known after the first use
    bool progressVisible = false;
    bool urgent = false;
    double progress = 0;
    Throttle progressRefresh;
    uint notificationId = 0;  // the notification shown last; a new one replaces it
};
