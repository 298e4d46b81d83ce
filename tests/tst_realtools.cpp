// SPDX-License-Identifier: GPL-3.0-or-later
// End to end with the real lame, ffmpeg and normalize-audio: the failures
// the tools do not report, on awkward files and small disks, and Stop.
#include "support/testkit.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <csignal>
#include <memory>
#include <unistd.h>

class RealToolsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<tonquirl> dialog;

    QString path(const QString &name) const { return work.filePath(name); }
    const JobPage &page(int kind) const { return DialogProbe::page(*dialog, JobKind(kind)); }
    // Runs the page's batch of one file and presses Stop while the tool
    // writes, held still the moment its unfinished output appears so that
    // Stop meets it there: the row's status.
    QString runAndStopWhileWriting(int kind)
    {
        QStringList boxes;
        ModalAnswers answers(noteWindows(&boxes));
        dialog->tabWidget->setCurrentIndex(kind);
        QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
        const int unfinished = kind == Normalize ? 3 : 1;  // normalize-audio's original is kept aside first, with its note
        QElapsedTimer waited;
        waited.start();
        while (leftovers("disk").size() < unfinished && waited.elapsed() < 60000)
            usleep(200);
        const qint64 tool = page(kind).process->processId();
        if (tool <= 0)
            return "not started";
        kill(tool, SIGSTOP);
        const bool caught = leftovers("disk").size() == unfinished;
        QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
        kill(tool, SIGCONT);
        waitForEnd(page(kind), 60000);
        return caught ? column(page(kind).table, 1).join(' ') : "not caught writing";
    }
    // What a tool left unfinished in a folder: hidden files and normalize-audio's "_norm" files.
    QStringList leftovers(const QString &folder) const { return filesIn(path(folder), {".*", "_norm*"}); }

private slots:
    void initTestCase()
    {
        dialog = std::make_unique<tonquirl>();
        dialog->show();
    }

    // Files the tools fail on while they exit with 0, files cut off or
    // silent, which end "OK." with a warning, files as recorders and other
    // programs write them, disks that run full (a small tmpfs) or take no
    // hard links (an exFAT stick), and Stop, each in a folder of its own: a
    // file that fails or is stopped loses nothing, neither its input nor a
    // good file under the output's name, and leaves nothing behind.
    void awkwardFilesAndDisks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("disk");  // "tmpfs" or "exfat" of sizeKiB, or none
        QTest::addColumn<int>("sizeKiB");
        QTest::addColumn<QStringList>("make");  // the input, by ffmpeg, cut to its first half after "half"; or "noise" or "text"
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fillerKiB");  // a file taking room on the disk
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("reason");  // the first sentence, also of a warning
        const QStringList seconds3{"sine=frequency=330:duration=3", "-af", "volume=0.1", "-ac", "2"};
        const QStringList seconds20{"sine=frequency=330:duration=20", "-af", "volume=0.1", "-ac", "2"};
        const auto row = [](const char *tag, int kind, const char *disk, int sizeKiB, const QStringList &make,
                            const char *name, int fillerKiB, const char *status, const char *reason = nullptr) {
            QTest::newRow(tag) << kind << QString(disk) << sizeKiB << make << QString(name) << fillerKiB << QString(status)
                               << QString::fromUtf8(reason);
        };
        const char *cutOff = "Die Eingabe ist beschädigt oder unvollständig: 1,5 s von 3,0 s umgewandelt.";
        const char *full = "Der Datenträger ist voll.";
        row("a damaged MP3 decoded", Decode, "", 0, {"noise"}, "damaged.mp3", 0, "FAIL!", "lame endete mit dem Fehlercode 255.");
        row("text as a video", Extract, "", 0, {"text"}, "text-clip.flv", 0, "FAIL!", "ffmpeg endete mit dem Fehlercode 1.");
        row("a cut-off MP3 decoded", Decode, "", 0, {"half", "sine=frequency=330:duration=3", "-ac", "2", "-c:a", "libmp3lame"},
            "download.mp3", 0, "OK.", cutOff);
        row("a cut-off video extracted", Extract, "", 0, {"half", "sine=frequency=330:duration=3", "-c:a", "libmp3lame",
                                                          "-ar", "22050", "-f", "flv"}, "clip.flv", 0, "OK.", cutOff);
        row("a silent WAV normalized", Normalize, "", 0, {"anullsrc=r=44100:cl=stereo", "-t", "3"}, "silence.wav", 0, "OK.",
            "Die Datei ist stumm und bleibt, wie sie ist.");
        row("RF64, encoded", Encode, "", 0, seconds3 + QStringList{"-rf64", "always"}, "take.wav", 0, "OK.");
        // normalize-audio writes it back as a plain WAV of the same samples
        row("24-bit extensible, normalized", Normalize, "", 0, seconds3 + QStringList{"-c:a", "pcm_s24le"}, "deep.wav", 0, "OK.");
        row("full disk, normalized", Normalize, "tmpfs", 5400, seconds20, "quiet.wav", 0, "FAIL!", full);
        row("full disk, decoded", Decode, "tmpfs", 2600,
            {"sine=frequency=330:duration=60", "-ac", "2", "-c:a", "libmp3lame"}, "long.mp3", 0, "FAIL!", full);
        row("full disk, encoded", Encode, "tmpfs", 3700, seconds20, "quiet.wav", 0, "FAIL!", full);
        row("full disk, extracted", Extract, "tmpfs", 2000, {"sine=f=440:sample_rate=5512:duration=60", "-ac", "1", "-c:a",
                                                             "pcm_u8", "-f", "flv"}, "minute.flv", 0, "FAIL!", full);
        row("exFAT stick, normalized", Normalize, "exfat", 8192, seconds3, "quiet.wav", 0, "OK.");
        row("exFAT stick without room, normalized", Normalize, "exfat", 8192, seconds20, "quiet.wav", 1500, "FAIL!", full);
        // Stop while the tool writes
        row("lame stopped", Encode, "", 0, {"sine=frequency=330:duration=300"}, "minutes.wav", 0, "STOP!");
        // an hour of 8-bit sound at 5512 Hz: small to make, long to turn into 44100 Hz stereo
        row("ffmpeg stopped", Extract, "", 0, {"sine=f=440:sample_rate=5512:duration=3600", "-ac", "1", "-c:a", "pcm_u8", "-f", "flv"},
            "hour.flv", 0, "STOP!");
        row("normalize-audio stopped", Normalize, "", 0, {"sine=frequency=330:duration=600", "-af", "volume=0.05", "-ac", "2"},
            "quiet.wav", 0, "STOP!");
    }
    void awkwardFilesAndDisks()
    {
        QFETCH(int, kind);
        QFETCH(QString, disk);
        QFETCH(int, sizeKiB);
        QFETCH(QStringList, make);
        QFETCH(QString, name);
        QFETCH(int, fillerKiB);
        QFETCH(QString, status);
        QFETCH(QString, reason);
        const QString folder = path("disk/"), size = QString::number(sizeKiB) + 'k', image = path("stick.img");
        QVERIFY(QDir().mkpath(folder));
        QString loopDevice;  // the image as a block device, for exfat-fuse
        const auto unmount = qScopeGuard([&] {
            if (!disk.isEmpty())
                run("umount", {folder});
            if (!loopDevice.isEmpty())
                run("losetup", {"-d", loopDevice});
            QDir(folder).removeRecursively();
        });
        if (!disk.isEmpty() && getuid() != 0)
            QSKIP("mounting a small disk needs root");
        if (disk == "tmpfs" && !run("mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder}))
            QSKIP("no tmpfs can be mounted here");
        if (disk == "exfat" && !(run("truncate", {"-s", size, image}) && run("mkfs.exfat", {image})
                                 && run("losetup", {"-f", "--show", image}, &loopDevice)
                                 && run("mount.exfat-fuse", {loopDevice, folder})))
            QSKIP("no loop device, /dev/fuse or exfat-fuse here");
        QByteArray noise(200000, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        if (make.first() == "noise" || make.first() == "text")
            write(folder + name, make.first() == "noise" ? noise : "not audio\n");
        else
            run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i"} + make.mid(make.first() == "half") + QStringList{folder + name});
        if (make.first() == "half")  // a broken download
            QVERIFY(QFile(folder + name).resize(QFileInfo(folder + name).size() / 2));
        const QString output = folder + QFileInfo(name).completeBaseName() + (kind == Encode ? ".mp3" : ".wav");
        if (kind != Normalize)
            run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=3", "-ac", "2", output});
        if (fillerKiB)
            write(folder + "filler", QByteArray(fillerKiB * 1024, '\0'));
        const QByteArray inputBefore = hashOf(folder + name), outputBefore = hashOf(output);
        openFiles(*dialog, JobKind(kind), folder, {name});
        if (page(kind).saveEdit)
            page(kind).saveEdit->setText(folder);
        if (status != "STOP!")
            runBatch(*dialog, JobKind(kind), 120000);
        QCOMPARE(status == "STOP!" ? runAndStopWhileWriting(kind) : column(page(kind).table, 1).join(' '), status);
        if (status != "STOP!")
            QCOMPARE(firstReason(page(kind).table), reason);
        QVERIFY(!page(kind).table->item(0, 1)->data(Qt::AccessibleDescriptionRole).toString().contains(".tonquirl-"));
        if (status == "OK." && kind != Normalize)
            QVERIFY(hashOf(output) != outputBefore);  // kept, warning or not
        if (status != "OK.") {
            QCOMPARE(hashOf(folder + name), inputBefore);
            QCOMPARE(hashOf(output), outputBefore);
        }
        QCOMPARE(leftovers("disk"), QStringList());
    }
};

QTEST_MAIN(RealToolsTest)
#include "tst_realtools.moc"
