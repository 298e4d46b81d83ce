// SPDX-License-Identifier: GPL-3.0-or-later
// End to end with the real lame, ffmpeg and normalize-audio: a Flash video
// goes through all four pages, checked with ffprobe at each step; then the
// failures the tools do not report, and Stop.
#include "support/testkit.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What ffprobe says of a file: "Hz channels seconds kbit/s", and its tags as "track|artist|title".
QString probe(const QString &path)
{
    const QJsonObject all = QJsonDocument::fromJson(
        run("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                        "stream=sample_rate,channels,bit_rate:format=duration:format_tags", "-of", "json", path})
            .toUtf8()).object();
    const QJsonObject stream = all["streams"][0].toObject(), format = all["format"].toObject();
    const QString tags = format["tags"]["track"].toString() + '|' + format["tags"]["artist"].toString() + '|'
                       + format["tags"]["title"].toString();
    return QStringLiteral("%1 %2 %3 %4 ").arg(stream["sample_rate"].toString()).arg(stream["channels"].toInt())
         .arg(qRound(format["duration"].toString().toDouble())).arg(stream["bit_rate"].toString().toInt() / 1000) + tags;
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result() : QByteArray();
}

const QString song = QString::fromUtf8("02-Mötley Crüe-Ärger");

} // namespace

class RealToolsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<tonquirl> dialog;

    QString path(const QString &name) const { return work.filePath(name); }
    const JobPage &page(int kind) const { return DialogProbe::page(*dialog, JobKind(kind)); }
    void open(int kind, const QString &folder, const QString &name, const QString &saveFolder)
    {
        openFiles(*dialog, JobKind(kind), path(folder), {name});
        if (page(kind).saveEdit)
            page(kind).saveEdit->setText(path(saveFolder));
    }
    // Runs the page's batch of one file: its status.
    QString runBatch(int kind)
    {
        ::runBatch(*dialog, JobKind(kind), 120000);
        return column(page(kind).table, 1).join(' ');
    }
    // What a tool left unfinished in a folder: hidden files and normalize-audio's "_norm" files.
    QStringList leftovers(const QString &folder) const
    {
        return QDir(path(folder)).entryList({".*", "_norm*"}, QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        // lame turns tag text into ID3 text by the locale: the tools get a UTF-8 one even when the program has none.
        qputenv("LC_ALL", "C");
        for (const char *folder : {"videos", "wav", "mp3", "decoded", "bad"})
            QVERIFY(QDir(work.path()).mkpath(folder));
        run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=3:size=160x120:rate=10", "-f", "lavfi",
                       "-i", "sine=frequency=440:duration=3", "-c:v", "flv1", "-c:a", "libmp3lame", "-ar", "22050",
                       "-shortest", path("videos/" + song + ".flv")});
        dialog = std::make_unique<tonquirl>();
        dialog->show();
    }

    void throughAllFourPages()
    {
        const QString ok = "OK.";
        open(Extract, "videos", song + ".flv", "wav/");
        QCOMPARE(runBatch(Extract), ok);
        QCOMPARE(probe(path("wav/" + song + ".wav")), QStringLiteral("44100 2 3 1411 ||"));
        const QByteArray extracted = hashOf(path("wav/" + song + ".wav"));

        QCOMPARE(column(dialog->normTableWidget, 0), QStringList{song + ".wav"});  // handed over
        QCOMPARE(runBatch(Normalize), ok);
        QVERIFY(hashOf(path("wav/" + song + ".wav")) != extracted);  // louder now, in place

        dialog->MQradioButton->setChecked(true);
        dialog->wavTagsCheckBox->setChecked(true);
        dialog->wavSaveLineEdit->setText(path("mp3/"));
        QCOMPARE(runBatch(Encode), ok);
        QCOMPARE(probe(path("mp3/" + song + ".mp3")), QString::fromUtf8("44100 2 3 192 02|Mötley Crüe|Ärger"));

        open(Decode, "mp3", song + ".mp3", "decoded");  // typed, without the final "/"
        QCOMPARE(runBatch(Decode), ok);
        QCOMPARE(probe(path("decoded/" + song + ".wav")), QStringLiteral("44100 2 3 1411 ||"));
    }

    // The tools end with exit code 0 on these; each row must still say
    // "FAIL!", and a good file under the output's name must stay as it was.
    void failuresTheToolsHide_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("output");
        QTest::newRow("a damaged MP3 decoded") << int(Decode) << "damaged.mp3" << "damaged.wav";
        QTest::newRow("random bytes encoded") << int(Encode) << "random.wav" << "random.mp3";
        QTest::newRow("text normalized") << int(Normalize) << "text.wav" << "text.wav";
        QTest::newRow("text as a video") << int(Extract) << "text-clip.flv" << "text-clip.wav";
    }
    void failuresTheToolsHide()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, output);
        QByteArray noise(200000, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        write(path("bad/" + name), name.startsWith("text") ? "not audio\n" : noise);
        if (output != name)
            QVERIFY(QFile::copy(path("mp3/" + song + ".mp3"), path("bad/" + output)));
        const QByteArray earlier = hashOf(path("bad/" + output));
        open(kind, "bad", name, "bad/");
        QCOMPARE(runBatch(kind), QStringLiteral("FAIL!"));
        QCOMPARE(hashOf(path("bad/" + output)), earlier);
        QCOMPARE(leftovers("bad"), QStringList());
    }

    // Stop while the tool writes: the input and an earlier output of the same
    // name stay as they were, and nothing half written is left.
    void stopARealTool_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("make");  // the input, by ffmpeg
        QTest::addColumn<QString>("earlier");   // an earlier output
        QTest::newRow("lame") << int(Encode) << "wav/long.wav" << QStringList{"sine=frequency=330:duration=300"} << "mp3/long.mp3";
        // An hour of 8-bit sound at 5512 Hz: small to make, long to turn into 44100 Hz stereo.
        QTest::newRow("ffmpeg") << int(Extract) << "videos/long.flv"
            << QStringList{"sine=f=440:sample_rate=5512:duration=3600", "-ac", "1", "-c:a", "pcm_u8", "-f", "flv"} << "wav/long.wav";
        QTest::newRow("normalize-audio") << int(Normalize) << "wav/quiet.wav"
            << QStringList{"sine=frequency=330:duration=600", "-af", "volume=0.05", "-ac", "2"} << "wav/quiet.wav";
    }
    void stopARealTool()
    {
        QFETCH(int, kind);
        QFETCH(QString, input);
        QFETCH(QStringList, make);
        QFETCH(QString, earlier);
        run("ffmpeg", QStringList{"-v", "error", "-y", "-f", "lavfi", "-i"} + make + QStringList{path(input)});
        if (!QFileInfo::exists(path(earlier)))
            QVERIFY(QFile::copy(path("mp3/" + song + ".mp3"), path(earlier)));
        const QByteArray inputBefore = hashOf(path(input)), earlierBefore = hashOf(path(earlier));
        const QString outFolder = QFileInfo(earlier).path();
        open(kind, QFileInfo(input).path(), QFileInfo(input).fileName(), outFolder + '/');
        dialog->tabWidget->setCurrentIndex(kind);
        QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
        // Held still the moment its unfinished output appears, so that Stop meets it there.
        QElapsedTimer waited;
        waited.start();
        while (leftovers(outFolder).isEmpty() && waited.elapsed() < 60000)
            usleep(200);
        const qint64 tool = page(kind).process->processId();
        kill(tool, SIGSTOP);
        QCOMPARE(leftovers(outFolder).size(), 1);
        QTest::mouseClick(page(kind).startButton, Qt::LeftButton);
        kill(tool, SIGCONT);
        QVERIFY(waitForEnd(page(kind), 60000));
        QCOMPARE(column(page(kind).table, 1), QStringList{"STOP!"});
        QCOMPARE(hashOf(path(input)), inputBefore);
        QCOMPARE(hashOf(path(earlier)), earlierBefore);
        QCOMPARE(leftovers(outFolder), QStringList());
    }
};

QTEST_MAIN(RealToolsTest)
#include "tst_realtools.moc"
