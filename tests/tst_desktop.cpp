// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop sees of a batch, on a private session bus on which the
// test plays the desktop: the taskbar entry's Update signals, a
// notification server, and its default action. Run without a bus too.
#include "support/testkit.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <csignal>
#include <memory>
#include <sys/prctl.h>

namespace {

const char *const noBus = "unix:path=/nowhere";
const QString appUri = "application://org.example.tonquirl.desktop";

// Notifications as a desktop's server takes them.
class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QVariantList> calls;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        calls.append({appName, replacesId, icon, summary, body, actions, hints, timeout});
        return 40 + calls.size();
    }
};

// The taskbar entry's Update signals, in the order sent.
class LauncherRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QVariantMap> updates;
    QSet<QString> addressedTo;  // app URI and object path

public slots:
    void update(const QString &uri, const QVariantMap &properties, const QDBusMessage &message)
    {
        addressedTo << uri + ' ' + message.path();
        updates << properties;
    }
};

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

    QProcess busDaemon;
    std::unique_ptr<QDBusConnection> desktopBus;
    NotificationServer server;
    LauncherRecorder launcher;
    std::unique_ptr<StubTools> stubs;
    QTemporaryDir work;
    std::unique_ptr<tonquirl> dialog;
    QWidget otherWindow;  // what the user looks at instead

    bool haveBus() const { return desktopBus != nullptr; }
    QStringList namesOnBus() const { return desktopBus->interface()->registeredServiceNames().value(); }

    // Lists three WAVs on the wav -> mp3 page: two that encode, one whose lame fails.
    void listThreeFiles()
    {
        const QByteArray slow = "\nerr (10%)\nsleep 300\nerr (60%)\nsleep 300\nerr (90%)\n\n\n\n";
        write(work.filePath("a.wav"), wave(slow));
        write(work.filePath("b.wav"), wave("\nexit 1\n\n\n\n"));
        write(work.filePath("c.wav"), wave(slow));
        for (const char *earlier : {"a.mp3", "c.mp3"})  // no question about outputs already there
            QFile::remove(work.filePath(earlier));
        openFiles(*dialog, Encode, work.path(), {"a.wav", "b.wav", "c.wav"});
        DialogProbe::page(*dialog, Encode).saveEdit->setText(work.path());
    }
    // The dialog, or the window the user looks at instead.
    static void activate(QWidget *window)
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

private slots:
    void initTestCase()
    {
        DialogProbe::pretendToolsInstalled();
        if (qgetenv("DBUS_SESSION_BUS_ADDRESS") == noBus)
            return;
        // The bus ends with the test, however the test ends.
        busDaemon.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        busDaemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(busDaemon.waitForReadyRead(5000), "dbus-daemon did not start");
        const QByteArray address = busDaemon.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        desktopBus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(QString(address), "desktop"));
        QVERIFY(desktopBus->isConnected());
        QVERIFY(desktopBus->registerService("org.freedesktop.Notifications"));
        QVERIFY(desktopBus->registerObject("/org/freedesktop/Notifications", &server, QDBusConnection::ExportAllSlots));
        QVERIFY(desktopBus->connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", &launcher,
                                    SLOT(update(QString, QVariantMap, QDBusMessage))));
    }
    void cleanupTestCase()
    {
        desktopBus.reset();
        QDBusConnection::disconnectFromBus("desktop");
        busDaemon.terminate();
        busDaemon.waitForFinished();
    }
    void init()
    {
        stubs = std::make_unique<StubTools>();
        dialog = std::make_unique<tonquirl>();
        activate(dialog.get());
        server.calls.clear();
        launcher.updates.clear();
        launcher.addressedTo.clear();
    }
    void cleanup()
    {
        dialog.reset();
        stubs.reset();
    }

    void batchOnTheDesktop_data()
    {
        QTest::addColumn<bool>("windowActive");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("completed, window active") << true << false;
        QTest::newRow("completed, window not active") << false << false;
        QTest::newRow("stopped, window not active") << false << true;
    }
    void batchOnTheDesktop()
    {
        QFETCH(bool, windowActive);
        QFETCH(bool, stopped);
        if (!haveBus())
            QSKIP("needs the private bus");
        listThreeFiles();
        activate(windowActive ? static_cast<QWidget *>(dialog.get()) : &otherWindow);
        // The program joins the bus with its first batch, not before.
        static const qsizetype namesBefore = namesOnBus().size();
        static bool batchRun = false;
        QCOMPARE(namesOnBus().size(), namesBefore + batchRun);
        batchRun = true;
        const JobPage &page = DialogProbe::page(*dialog, Encode);
        QStringList boxes;
        QElapsedTimer batch;
        batch.start();
        {
            ModalAnswers answers(noteWindows(&boxes));
            QTest::mouseClick(page.startButton, Qt::LeftButton);
            if (stopped) {
                QVERIFY(QTest::qWaitFor([&] { return stubs->calls().size() == 1; }, patience));
                QTest::qWait(350);
                QTest::mouseClick(page.startButton, Qt::LeftButton);
            }
            QVERIFY(waitForEnd(page));
        }
        const qint64 batchMs = batch.elapsed();
        const bool notified = !windowActive && !stopped;
        // The last signals: the progress hidden, and the notification.
        QTRY_VERIFY_WITH_TIMEOUT(std::any_of(launcher.updates.cbegin(), launcher.updates.cend(), [](const QVariantMap &update) {
                                     return update.value("progress-visible") == QVariant(false);
                                 }) && server.calls.size() == int(notified), patience);

        QCOMPARE(launcher.addressedTo.size(), 1);
        QVERIFY(launcher.addressedTo.begin()->startsWith(appUri + " /com/canonical/unity/launcherentry/"));
        QCOMPARE(launcher.updates.first().value("progress-visible"), QVariant(true));
        QList<double> progress;
        int hidden = -1, urgent = -1;
        for (int i = 0; i < launcher.updates.size(); ++i) {
            const QVariantMap &update = launcher.updates[i];
            if (update.contains("progress"))
                progress << update.value("progress").toDouble();
            if (update.value("progress-visible") == QVariant(false))
                hidden = i;
            if (update.value("urgent") == QVariant(true))
                urgent = i;
        }
        QVERIFY2(hidden >= 0, "the progress was never hidden");
        for (int i = hidden + 1; i < launcher.updates.size(); ++i)
            QVERIFY(!launcher.updates[i].contains("progress"));
        QCOMPARE(progress.first(), 0.0);
        QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(progress.last() == 1.0, !stopped);
        // A few a second, not one per line of standard error: the first, the last and one each 250 ms.
        QVERIFY(progress.size() <= batchMs / 250 + 3);

        QCOMPARE(server.calls.size(), notified ? 1 : 0);
        QCOMPARE(urgent >= 0, notified);
        QCOMPARE(boxes.size(), stopped ? 0 : 1);  // the box stays as it was
        if (!notified)
            return;
        const QVariantList expected{"tonquirl", 0u, "org.example.tonquirl", "Konvertierung beendet!", "2 OK., 1 FAIL!",
                                    QStringList{"default", "Anzeigen"},
                                    QVariantMap{{"desktop-entry", "org.example.tonquirl"}}, -1};
        QCOMPARE(server.calls.first(), expected);

        // The notification's default action brings the window back, which ends the call for attention.
        activate(&otherWindow);
        QDBusMessage action = QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                         "org.freedesktop.Notifications", "ActionInvoked");
        action << 41u << QString("default");
        QVERIFY(desktopBus->send(action));
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QTRY_COMPARE_WITH_TIMEOUT(launcher.updates.last(), (QVariantMap{{"urgent", false}}), patience);
    }

    // With DBUS_SESSION_BUS_ADDRESS pointing nowhere the batch runs as ever, without a word.
    void withoutBus()
    {
        if (haveBus())
            QSKIP("runs without a bus: DBUS_SESSION_BUS_ADDRESS=unix:path=/nowhere");
        QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support)"));  // but the offscreen platform's own
        listThreeFiles();
        activate(&otherWindow);
        QElapsedTimer batch;
        batch.start();
        const QStringList boxes = runBatch(*dialog, Encode);
        QCOMPARE(boxes, QStringList{"tonquirl: Konvertierung beendet!\n1 von 3 Dateien ist fehlgeschlagen (FAIL!)\nb.wav"});
        QCOMPARE(column(DialogProbe::page(*dialog, Encode).table, 1), (QStringList{"OK.", "FAIL!", "OK."}));
        QVERIFY2(batch.elapsed() < 5000, "the batch waited for the missing bus");
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
