// SPDX-License-Identifier: GPL-3.0-or-later
// What "OK." promises, with the real tools: a row's result is on the disk
// when the row says so, even if the power goes that instant (a copy of a
// small disk's image taken while the program runs, its journal replayed); a
// program killed in the middle of a row loses nothing, and what it left goes
// with the next batch in that folder; two programs share a folder; and a
// disk whose flush fails fails the row and keeps what was there.
#include "support/commands.h"
#include "support/testkit.h"

#include "audiofiles.h"

#include <QScopeGuard>
#include <csignal>
#include <memory>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool makeSound(const QString &path, const QString &source, const QStringList &options = {})
{
    return run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i", source} + options + QStringList{path});
}

// A quiet sine of `seconds`, as a WAV for normalize-audio to make louder.
bool makeQuietWave(const QString &path, int seconds)
{
    return makeSound(path, QString("sine=frequency=330:duration=%1").arg(seconds), {"-af", "volume=0.05", "-ac", "2"});
}

// Every file in the folder, hidden ones too, by name.
QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Whether a file matching `pattern` in the folder has something in it: the tool is writing.
bool toolIsWriting(const QString &folder, const QString &pattern)
{
    const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden);
    return std::any_of(files.begin(), files.end(), [](const QFileInfo &file) { return file.size() > 65536; });
}

// The processes whose parent is `pid`, and whether one is still alive (reaped or a zombie is not).
QList<qint64> childrenOf(qint64 pid)
{
    QList<qint64> children;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        const QByteArray stat = contents("/proc/" + entry + "/stat");  // "pid (name) state ppid ..."
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == pid)
            children << entry.toLongLong();
    }
    return children;
}
bool isAlive(qint64 pid)
{
    const QByteArray stat = contents(QString("/proc/%1/stat").arg(pid));
    return !stat.isEmpty() && stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z";
}

ino_t inodeOf(const QString &path)
{
    struct stat file = {};
    return ::stat(QFile::encodeName(path).constData(), &file) == 0 ? file.st_ino : 0;
}

// The program in a process of its own, running one batch, and its tool held
// still in the middle of its row once it has written a good part.
struct ProgramMidRow {
    ProgramMidRow(JobKind kind, const QString &folder, const QString &file)
    {
        program.start(BATCHRUNNER_PATH, {QString::number(kind), folder, folder + file});
        const QString written = kind == Encode ? ".tonquirl-*.mp3" : "_norm??????";
        if (QTest::qWaitFor([&] { return toolIsWriting(folder, written); }, patience))
            tools = childrenOf(program.processId());
        for (qint64 tool : tools)
            ::kill(tool, SIGSTOP);
    }
    ~ProgramMidRow()
    {
        program.kill();
        program.waitForFinished(patience);
    }
    void goOn()
    {
        for (qint64 tool : tools)
            ::kill(tool, SIGCONT);
    }
    QProcess program;
    QList<qint64> tools;
};

// Cuts the power to the disk at `mountPoint` and brings it back: its file
// system stops that instant, writing nothing more, neither its journal nor
// data still in memory (the shutdown that xfstests simulates crashes with),
// and is mounted again from its image, which replays the journal.
bool cutThePower(const QString &image, const QString &mountPoint, const QString &options)
{
    constexpr unsigned long goingDown = _IOR('X', 125, quint32);  // XFS_IOC_GOINGDOWN, EXT4_IOC_SHUTDOWN
    quint32 flushNothing = 2;                                      // ..._GOING_FLAGS_NOLOGFLUSH
    const int fd = ::open(QFile::encodeName(mountPoint).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool down = fd >= 0 && ::ioctl(fd, goingDown, &flushNothing) == 0;
    if (fd >= 0)
        ::close(fd);
    return down && run("umount", {mountPoint}) && run("mount", {"-o", options, image, mountPoint});
}

} // namespace

class DurabilityTest : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<tonquirl> dialog;

    const JobPage &page(int kind) const { return DialogProbe::page(*dialog, JobKind(kind)); }
    // This program runs a batch of `files` in `folder`, saving there too: its statuses.
    QStringList runHere(int kind, const QString &folder, const QStringList &files)
    {
        QStringList paths;
        for (const QString &file : files)
            paths << folder + file;
        DialogProbe::listPicked(*dialog, JobKind(kind), paths);
        if (page(kind).saveEdit)
            page(kind).saveEdit->setText(folder);
        runBatch(*dialog, JobKind(kind), patience);
        return column(page(kind).table, 1);
    }
    QString reasonOfFirstRow(int kind) const
    {
        const QTableWidgetItem *status = page(kind).table->item(0, 1);
        return !status ? QString() : status->data(Qt::AccessibleDescriptionRole).toString().section('\n', 0, 0);
    }

private slots:
    void initTestCase()
    {
        qputenv("LC_ALL", "C");
        dialog = std::make_unique<tonquirl>();
        dialog->show();
    }

    // Another program mid-row in a folder, held there, while this one runs
    // a batch in it. Killed: its tool ends with it, the user's file is whole,
    // and this batch clears what it left but a tool temporary that was there
    // before. Still running: neither touches the other's files, both end "OK.".
    void anotherProgramInTheFolder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("killed");
        QTest::newRow("encoding, killed") << int(Encode) << true;
        QTest::newRow("normalizing, killed") << int(Normalize) << true;
        QTest::newRow("encoding, running") << int(Encode) << false;
        QTest::newRow("normalizing, running") << int(Normalize) << false;
    }
    void anotherProgramInTheFolder()
    {
        QFETCH(int, kind);
        QFETCH(bool, killed);
        const QString folder = work.filePath(QString("%1-%2/").arg(kind).arg(killed));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(makeQuietWave(folder + "long.wav", 600) && makeQuietWave(folder + "short.wav", 2));
        write(folder + "_normBEFORE", "not the other program's");
        const QByteArray longBefore = hashOf(folder + "long.wav");
        const qint64 longFrames = readWaveHeader(folder + "long.wav").frames();
        QStringList expected = filesIn(folder);
        ProgramMidRow other(JobKind(kind), folder, "long.wav");
        QCOMPARE(other.tools.size(), 1);
        if (killed) {
            ::kill(other.program.processId(), SIGKILL);
            QVERIFY(other.program.waitForFinished(patience));
            QVERIFY2(QTest::qWaitFor([&] { return !isAlive(other.tools[0]); }, patience), "the tool outlived the program");
            QCOMPARE(hashOf(folder + "long.wav"), longBefore);
            QVERIFY(filesIn(folder) != expected);  // it left its files behind
        }
        QCOMPARE(runHere(kind, folder, {"short.wav"}), QStringList{"OK."});
        if (!killed) {
            other.goOn();
            QVERIFY(other.program.waitForFinished(patience));
            QCOMPARE(other.program.readAllStandardOutput(), QByteArray("OK.\t\nended\n"));
        }
        if (kind == Encode)
            expected << "short.mp3" << (killed ? QStringList() : QStringList{"long.mp3"});
        expected.sort();
        QCOMPARE(filesIn(folder), expected);
        QString seconds;
        if (killed)
            QCOMPARE(hashOf(folder + "long.wav"), longBefore);
        else if (kind == Normalize)
            QVERIFY(isCompleteWaveWithAudio(folder + "long.wav") && readWaveHeader(folder + "long.wav").frames() == longFrames);
        else
            QVERIFY(run("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", folder + "long.mp3"},
                        &seconds) && qRound(seconds.toDouble()) == 600);
    }

    // Three Flash videos through all four pages on a small disk, the power
    // cut the moment each batch's completion box opens, or three seconds
    // later: each output is on the disk as it was on the live one, byte for
    // byte, and each normalized WAV is whole, the old sound or the new.
    void powerCut_data()
    {
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<int>("afterMs");
        QTest::newRow("ext4 (commit=1), at the box") << "ext4" << 0;
        QTest::newRow("ext4 (commit=1), 3 s later") << "ext4" << 3000;
        QTest::newRow("XFS, at the box") << "xfs" << 0;
        QTest::newRow("XFS, 3 s later") << "xfs" << 3000;
    }
    void powerCut()
    {
        QFETCH(QString, fileSystem);
        QFETCH(int, afterMs);
        if (getuid() != 0)
            QSKIP("a power cut is simulated on a loop-mounted disk image, which needs root");
        // A folder of each row's own: the files of one row stay listed on the pages after it.
        const QString image = work.filePath("disk.img"), live = work.filePath(QString("%1-%2/").arg(fileSystem).arg(afterMs)),
                      options = fileSystem == "ext4" ? "loop,commit=1" : "loop";
        QVERIFY(QDir().mkpath(live) && run("truncate", {"-s", "320M", image}));
        if (!run("mkfs." + fileSystem, {"-q", image}))
            QSKIP(qPrintable("mkfs." + fileSystem + " is missing (e2fsprogs, xfsprogs)"));
        if (!run("mount", {"-o", options, image, live}))
            QSKIP("no loop device can be mounted here");
        const auto unmount = qScopeGuard([&] { run("umount", {live}); QFile::remove(image); });
        for (const char *folder : {"videos", "wav", "mp3", "decoded"})
            QVERIFY(QDir(live).mkpath(folder));
        QStringList videos, waves, mp3s, decoded;
        for (const QString &song : QStringList{"01-Band-One", "02-Band-Two", "03-Band-Three"}) {
            QVERIFY(makeSound(live + "videos/" + song + ".flv", "sine=frequency=440:duration=3",
                              {"-c:a", "libmp3lame", "-ar", "22050", "-f", "flv"}));
            videos << live + "videos/" + song + ".flv";
            waves << live + "wav/" + song + ".wav";
            mp3s << live + "mp3/" + song + ".mp3";
            decoded << live + "decoded/" + song + ".wav";
        }
        QVERIFY(run("sync", {}));  // the inputs are on the disk before the program starts
        DialogProbe::listPicked(*dialog, Extract, videos);  // its WAVs go on to Normalize and wav -> mp3
        page(Extract).saveEdit->setText(live + "wav/");
        page(Decode).saveEdit->setText(live + "decoded/");
        const QList<std::pair<JobKind, QStringList>> steps{{Extract, waves}, {Normalize, waves}, {Encode, mp3s}, {Decode, decoded}};
        for (const auto &[kind, outputs] : steps) {
            if (kind == Encode)  // the hand-over made it the WAVs' folder
                page(Encode).saveEdit->setText(live + "mp3/");
            if (kind == Decode)
                DialogProbe::listPicked(*dialog, Decode, mp3s);
            QHash<QString, QByteArray> oldSound, asShown;
            for (const QString &output : outputs)
                oldSound[output] = hashOf(output);
            bool cut = false;
            {
                ModalAnswers atTheBox([&](QWidget *box) {
                    for (const QString &output : outputs)
                        asShown[output] = hashOf(output);
                    cut = afterMs > 0 || cutThePower(image, live, options);
                    box->close();
                });
                dialog->tabWidget->setCurrentIndex(kind);
                QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
                QVERIFY(waitForEnd(page(kind)));
            }
            QCOMPARE(column(page(kind).table, 1).join(' ') + ' ' + reasonOfFirstRow(kind), QString("OK. OK. OK. "));
            QVERIFY(cut);
            if (afterMs > 0) {
                QTest::qWait(afterMs);  // the time, not a condition: how long the disk ran on
                QVERIFY(cutThePower(image, live, options));
            }
            for (const QString &output : outputs) {
                const QByteArray found = hashOf(output);
                QVERIFY2(found == asShown[output] || (kind == Normalize && found == oldSound[output]),
                         qPrintable(QFileInfo(output).fileName() + " is not as the row said"));
            }
        }
    }

    // A disk whose every flush fails (a network folder, a dying stick): the
    // row fails and says so, nothing is renamed onto the output's name, a
    // file rewritten in place gets its original back, and nothing is left.
    void aFailedFlushKeepsWhatWasThere_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("encoding") << int(Encode)
                                  << QString::fromUtf8("Der Datenträger meldete einen Fehler, als das Ergebnis gesichert wurde.");
        QTest::newRow("normalizing") << int(Normalize) << QString::fromUtf8(
            "Der Datenträger meldete einen Fehler, als die Datei gesichert wurde; das Original ist wiederhergestellt.");
    }
    void aFailedFlushKeepsWhatWasThere()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        StubTools stubs;
        const QString flaky = work.filePath(QString("flaky-%1/").arg(kind)), behind = work.filePath(QString("behind-%1/").arg(kind));
        QVERIFY(QDir().mkpath(flaky) && QDir().mkpath(behind));
        QProcess disk;
        disk.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        disk.start("/usr/bin/python3", {FAILINGFLUSH_PATH, behind, flaky});
        const auto unmount = qScopeGuard([&] {
            run("umount", {flaky});
            disk.waitForFinished(patience);
        });
        if (!QTest::qWaitFor([&] { return contents("/proc/mounts").contains(QFile::encodeName(flaky.chopped(1)) + ' '); },
                             patience))
            QSKIP("no FUSE here (/dev/fuse, python3-fusepy)");
        const QString input = kind == Encode ? work.filePath("song.wav") : flaky + "song.wav";
        write(input, wave("\nrewrite\n\n\n\n"));  // normalize-audio's stand-in renames a new file over it
        write(flaky + "song.mp3", "the MP3 that was there");
        const QByteArray before = contents(input);
        const ino_t inode = inodeOf(input);
        DialogProbe::listPicked(*dialog, JobKind(kind), {input});
        if (page(kind).saveEdit)
            page(kind).saveEdit->setText(flaky);
        runBatch(*dialog, JobKind(kind));
        QCOMPARE(column(page(kind).table, 1), QStringList{"FAIL!"});
        QCOMPARE(reasonOfFirstRow(kind), reason);
        QCOMPARE(contents(flaky + "song.mp3"), QByteArray("the MP3 that was there"));
        QCOMPARE(contents(input), before);
        if (kind == Normalize)
            QCOMPARE(inodeOf(input), inode);  // the original itself, not the rewrite
        QCOMPARE(filesIn(flaky), kind == Encode ? QStringList{"song.mp3"} : QStringList({"song.mp3", "song.wav"}));
    }
};

QTEST_MAIN(DurabilityTest)
#include "tst_durability.moc"
