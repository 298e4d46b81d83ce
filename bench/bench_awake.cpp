// SPDX-License-Identifier: GPL-3.0-or-later
// What keeping the computer awake adds to a batch's start: the time
// StayAwake::batchStarted and batchEnded take on the GUI thread, the first
// time (which connects the system bus; the session bus the taskbar's
// progress has connected already) and the median of the next 200. On buses of the benchmark's own, where neither logind nor a
// portal answers: the calls go out, their errors come later, unwaited for.
// With `nobus` no bus is there at all.
#include "stayawake.h"

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray startBus(QProcess &daemon, const QStringList &arguments)
{
    daemon.start(QStringLiteral("dbus-daemon"), arguments + QStringList{"--nofork", "--print-address=1"});
    if (!daemon.waitForReadyRead(5000))
        qFatal("dbus-daemon did not start");
    return daemon.readLine().trimmed();
}

} // namespace

int main(int argc, char *argv[])
{
    const bool noBus = argc > 1 && qstrcmp(argv[1], "nobus") == 0;
    QTemporaryDir folder;
    QProcess systemBus, sessionBus;
    if (noBus) {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nowhere");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere");
    } else {
        QFile config(folder.filePath("system.conf"));
        if (!config.open(QIODevice::WriteOnly))
            qFatal("cannot write the bus configuration");
        config.write("<busconfig><type>system</type><listen>unix:dir=" + folder.path().toUtf8()
                     + "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow user=\"*\"/>"
                       "<allow own=\"*\"/><allow send_destination=\"*\"/><allow receive_sender=\"*\"/>"
                       "</policy></busconfig>");
        config.close();
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", startBus(systemBus, {"--config-file=" + config.fileName()}));
        qputenv("DBUS_SESSION_BUS_ADDRESS", startBus(sessionBus, {"--session"}));
    }
    QApplication app(argc, argv);
    QDBusConnection::sessionBus();
    QWidget window;
    StayAwake awake(window);
    QElapsedTimer clock;
    std::vector<double> ms;
    for (int batch = 0; batch <= 200; ++batch) {
        clock.start();
        awake.batchStarted(10);
        awake.batchEnded();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();  // the answers, as between batches
    }
    const double first = ms.front();
    std::sort(ms.begin() + 1, ms.end());
    std::printf("%s: the first batch %.3f ms (connecting the system bus), then median %.3f ms, slowest %.3f ms\n",
                noBus ? "no bus" : "buses without logind or a portal", first, ms[100], ms.back());
    for (QProcess *bus : {&systemBus, &sessionBus}) {
        bus->kill();
        bus->waitForFinished();
    }
    return 0;
}
