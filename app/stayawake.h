// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;
class QWidget;

// Keeps the computer from going to sleep while a batch runs, asked of the
// desktop through its own standards: logind's block inhibitor of "sleep"
// on the system bus, held as the file descriptor logind hands out, and the
// desktop portal's inhibition of suspend on the session bus (GNOME's idle
// suspend and sandboxed installs go through it), held as its request. Only
// suspend: the screen still dims and locks as the user has set it.
//
// Nothing here is needed: without a bus, logind or a portal, or when either
// refuses or never answers, the batch runs as before, silently. The buses
// are connected at the first batch, never at start-up, and no call waits
// for an answer. Should the program die, the kernel closes the descriptor
// and the portal forgets a program that left its bus.
class StayAwake : public QObject
{
    Q_OBJECT

public:
    explicit StayAwake(QWidget &window);
    ~StayAwake() override;

    void batchStarted(int files);
    void batchEnded();

private slots:
    void logindAnswered(QDBusPendingCallWatcher *call);
    void portalAnswered(QDBusPendingCallWatcher *call);

private:
    void watch(QDBusPendingCallWatcher *call, const char *answered);
    bool isForThisBatch(QDBusPendingCallWatcher *call) const;
    static void closePortalRequest(const QString &request);

    QWidget &window;
    int batch = 0;  // counts batches: an answer that comes after its batch is let go at once
    bool running = false;
    QDBusUnixFileDescriptor inhibitor;  // logind's, while a batch runs
    QString portalRequest;              // the portal's, while a batch runs
};
