// SPDX-License-Identifier: GPL-3.0-or-later
// What "OK." promises, with the real tools: on the disk even if the power
// goes that instant, after Flash videos went through all four pages, checked
// with ffprobe; nothing lost, and nothing left for long, when a program is
// killed mid-row; two programs in a folder; a disk whose flushes fail.
#include "support/testkit.h"

#include "audiofiles.h"
#include "outcome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool makeSound(const QString &path, const QString &source, const QStringList &options)
{
    return run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i", source} + options + QStringList{path});
}

// What ffprobe says of a file: "Hz channels seconds kbit/s", and its tags as "track|artist|title".
QString probe(const QString &path)
{
    QString json;
    run("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                    "stream=sample_rate,channels,bit_rate:format=duration:format_tags", "-of", "json", path}, &json);
    const QJsonObject all = QJsonDocument::fromJson(json.toUtf8()).object();
    const QJsonObject stream = all["streams"][0].toObject(), format = all["format"].toObject();
    const QString tags = format["tags"]["track"].toString() + '|' + format["tags"]["artist"].toString() + '|'
                       + format["tags"]["title"].toString();
    return QStringLiteral("%1 %2 %3 %4 ").arg(stream["sample_rate"].toString()).arg(stream["channels"].toInt())
         .arg(qRound(format["duration"].toString().toDouble())).arg(stream["bit_rate"].toString().toInt() / 1000) + tags;
}

ino_t inodeOf(const QString &path)
{
    struct stat file = {};
    return ::stat(QFile::encodeName(path).constData(), &file) == 0 ? file.st_ino : 0;
}

// The dialog runs a batch of `file` in `folder`, saving there too: the status.
QStringList runIn(tonquirl &dialog, int kind, const QString &folder, const QString &file)
{
    const JobPage &page = DialogProbe::page(dialog, JobKind(kind));
    DialogProbe::listPicked(dialog, JobKind(kind), {folder + file});
    if (page.saveEdit)
        page.saveEdit->setText(folder);
    runBatch(dialog, JobKind(kind), 600000);
    return column(page.table, 1);
}

// Another program (this test, in a process of its own) running a batch of
// `file`, its tool held still mid-row once it has written a good part.
struct ProgramMidRow {
    ProgramMidRow(int kind, const QString &folder, const QString &file)
    {
        program.setEnvironment(QProcess::systemEnvironment() << QString("BATCH_OF_ITS_OWN=%1\n%2\n%3").arg(kind).arg(folder, file));
        program.start(QCoreApplication::applicationFilePath());
        const QString written = kind == Encode ? ".tonquirl-*.mp3" : "_norm??????";
        const auto writing = [&] {
            const QFileInfoList files = QDir(folder).entryInfoList({written}, QDir::Files | QDir::Hidden);
            return std::any_of(files.begin(), files.end(), [](const QFileInfo &file) { return file.size() > 65536; });
        };
        QString tools;
        if (QTest::qWaitFor(writing, patience) && run("pgrep", {"-P", QString::number(program.processId())}, &tools))
            tool = tools.toLongLong();
        ::kill(tool, SIGSTOP);
    }
    QProcess program;  // killed when it goes
    qint64 tool = 0;
};

// Cuts the power to the disk at `mountPoint`: its file system stops that
// instant, writing nothing more, not even its journal (as xfstests simulates
// crashes), and is mounted again from its image, which replays the journal.
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

private slots:
    void initTestCase()
    {
        // lame turns tag text into ID3 text by the locale: the tools get a UTF-8 one even when the program has none.
        qputenv("LC_ALL", "C");
        dialog = std::make_unique<tonquirl>();
        dialog->show();
    }

    // Another program mid-row in a folder while this one runs a batch in
    // it. Killed: its tool ends with it, the user's file is whole, and this
    // batch clears what it left but a tool temporary from before. Running:
    // neither touches the other's files, and both end "OK.".
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
        const QStringList quiet{"-af", "volume=0.05", "-ac", "2"};  // for normalize-audio to make louder
        QVERIFY(QDir().mkpath(folder) && makeSound(folder + "long.wav", "sine=frequency=330:duration=600", quiet)
                && makeSound(folder + "short.wav", "sine=frequency=330:duration=2", quiet));
        write(folder + "_normBEFORE", "not the other program's");
        const QByteArray longBefore = hashOf(folder + "long.wav");
        const qint64 longFrames = readWaveHeader(folder + "long.wav").frames();
        QStringList expected = filesIn(folder);
        ProgramMidRow other(kind, folder, "long.wav");
        QVERIFY(other.tool > 0);
        if (killed) {
            ::kill(other.program.processId(), SIGKILL);
            QVERIFY(other.program.waitForFinished(patience));
            const QString tool = QString("/proc/%1/stat").arg(other.tool);  // gone, or a zombie
            QVERIFY2(QTest::qWaitFor([&] { return contents(tool).isEmpty() || contents(tool).contains(") Z "); }, patience),
                     "the tool outlived the program");
            QCOMPARE(hashOf(folder + "long.wav"), longBefore);
            QVERIFY(filesIn(folder) != expected);  // it left its files behind
        }
        QCOMPARE(runIn(*dialog, kind, folder, "short.wav"), QStringList{"OK."});
        ::kill(other.tool, SIGCONT);
        QVERIFY(killed || other.program.waitForFinished(patience));
        QCOMPARE(other.program.readAllStandardOutput(), killed ? QByteArray() : QByteArray("OK.\n"));
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

    // Three Flash videos through all four pages on a small disk, the power cut
    // as each completion box opens or three seconds later: every output as the
    // row showed it, byte for byte, and every normalized WAV the old or new
    // sound. Each step is what ffprobe expects, also the tags cut from a name.
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
        // A folder of each row's own: one row's files stay listed on the pages after it.
        const QString image = work.filePath("disk.img"), live = work.filePath(QString("%1-%2/").arg(fileSystem).arg(afterMs)),
                      options = fileSystem == "ext4" ? "loop,commit=1" : "loop";
        QVERIFY(QDir().mkpath(live) && run("truncate", {"-s", "320M", image}));
        if (!run("mkfs." + fileSystem, {"-q", image}))
            QSKIP(qPrintable("mkfs." + fileSystem + " is missing (e2fsprogs, xfsprogs)"));
        if (!run("mount", {"-o", options, image, live}))
            QSKIP("no loop device can be mounted here");
        const auto unmount = qScopeGuard([&] { run("umount", {live}); QFile::remove(image); });
        QMap<int, QStringList> outputs;  // by page
        QStringList videos;
        const QString song = QString::fromUtf8("02-Mötley Crüe-Ärger");
        for (const QString &each : QStringList{"01-Band-One", song, "03-Band-Three"}) {
            videos << live + each + ".flv";
            QVERIFY(makeSound(videos.last(), "sine=frequency=440:duration=3", {"-f", "lavfi", "-i", "testsrc=duration=3:size=160x120:rate=10",
                                                                               "-c:v", "flv1", "-c:a", "libmp3lame", "-ar", "22050"}));
            outputs[Extract] << live + each + ".wav";
            outputs[Encode] << live + each + ".mp3";
            outputs[Decode] << live + "decoded/" + each + ".wav";
        }
        outputs[Normalize] = outputs[Extract];
        QHash<QString, QByteArray> asShown;  // each output as its row said it was
        QVERIFY(QDir(live).mkpath("decoded") && run("sync", {}));  // the inputs are on the disk before the program starts
        DialogProbe::listPicked(*dialog, Extract, videos);  // its WAVs go on to Normalize and wav -> mp3
        page(Extract).saveEdit->setText(live);
        dialog->MQradioButton->setChecked(true);
        dialog->wavTagsCheckBox->setChecked(true);
        const QStringList probed{"44100 2 3 1411 ||", "", QString::fromUtf8("44100 2 3 192 02|Mötley Crüe|Ärger"), "44100 2 3 1411 ||"};
        for (int kind : {Extract, Normalize, Encode, Decode}) {
            if (kind == Decode) {
                DialogProbe::listPicked(*dialog, Decode, outputs[Encode]);
                page(Decode).saveEdit->setText(live + "decoded");  // typed, without the final "/"
            }
            const QHash<QString, QByteArray> shownBefore = asShown;  // the WAVs as extracted, before Normalize
            {
                ModalAnswers atTheBox([&](QWidget *box) {
                    for (const QString &output : outputs[kind])
                        asShown[output] = hashOf(output);
                    box->close();
                    QVERIFY(afterMs > 0 || cutThePower(image, live, options));
                });
                dialog->tabWidget->setCurrentIndex(kind);
                QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
                QVERIFY(waitForEnd(page(kind)));
            }
            QCOMPARE(column(page(kind).table, 1).join(' ') + ' ' + firstReason(page(kind).table), QString("OK. OK. OK. "));
            if (afterMs > 0) {
                QTest::qWait(afterMs);  // the time, not a condition: how long the disk ran on
                QVERIFY(cutThePower(image, live, options));
            }
            for (const QString &output : outputs[kind]) {
                const QByteArray found = hashOf(output);
                QVERIFY2(found == asShown[output] || (kind == Normalize && found == shownBefore[output]),
                         qPrintable(QFileInfo(output).fileName() + " is not as the row said"));
                QVERIFY(kind != Normalize || asShown[output] != shownBefore[output]);  // louder, in place
            }
            QVERIFY(kind == Normalize || probe(outputs[kind][1]) == probed[kind]);
        }
    }

    // A disk whose flushes fail: the row fails and says so, an earlier output
    // stays, a file rewritten in place gets its original back, nothing is left.
    void aFailedFlushKeepsWhatWasThere_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("encoding") << int(Encode);
        QTest::newRow("normalizing") << int(Normalize);
    }
    void aFailedFlushKeepsWhatWasThere()
    {
        QFETCH(int, kind);
        StubTools stubs;
        const QString flaky = work.filePath(QString("flaky-%1/").arg(kind)), behind = work.filePath(QString("behind-%1/").arg(kind));
        QVERIFY(QDir().mkpath(flaky) && QDir().mkpath(behind));
        QProcess disk;
        disk.start("/usr/bin/python3", {FAILINGFLUSH_PATH, behind, flaky});
        const auto unmount = qScopeGuard([&] { run("umount", {flaky}) && disk.waitForFinished(patience); });
        if (!QTest::qWaitFor([&] { return contents("/proc/mounts").contains(QFile::encodeName(flaky.chopped(1)) + ' '); }, patience))
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
        QCOMPARE(firstReason(page(kind).table), reasonFor({.kind = RowEnd::NotSaved, .putBack = kind == Normalize}));
        QCOMPARE(contents(flaky + "song.mp3"), QByteArray("the MP3 that was there"));
        QVERIFY(contents(input) == before && (kind == Encode || inodeOf(input) == inode));  // the original, not the rewrite
        QCOMPARE(filesIn(flaky), kind == Encode ? QStringList{"song.mp3"} : QStringList({"song.mp3", "song.wav"}));
    }
};

// With BATCH_OF_ITS_OWN set to the page, the folder and a file there, one
// a line, it is a program running that batch, which prints its status.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (const QStringList batch = qEnvironmentVariable("BATCH_OF_ITS_OWN").split('\n'); batch.size() == 3) {
        tonquirl dialog;
        dialog.show();
        std::printf("%s\n", qPrintable(runIn(dialog, batch[0].toInt(), batch[1], batch[2]).join(' ')));
        return 0;
    }
    DurabilityTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_durability.moc"
