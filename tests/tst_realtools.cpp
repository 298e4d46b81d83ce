// End to end with the real lame, ffmpeg and normalize-audio: a short Flash
// video goes through all four pages, checked with ffprobe at each step.
#include "support/batches.h"
#include "support/dialogprobe.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What ffprobe says of a file's first audio stream and its tags.
struct Probe {
    int sampleRate = 0;
    int channels = 0;
    double duration = 0;
    int bitRate = 0;
    QJsonObject tags;
};

Probe probe(const QString &path)
{
    const QJsonObject all = QJsonDocument::fromJson(
        run("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                        "stream=sample_rate,channels,bit_rate,duration:format=duration:format_tags",
                        "-of", "json", path}).toUtf8()).object();
    const QJsonObject stream = all.value("streams").toArray().first().toObject();
    const QJsonObject format = all.value("format").toObject();
    return {stream.value("sample_rate").toString().toInt(), stream.value("channels").toInt(),
            format.value("duration").toString().toDouble(), stream.value("bit_rate").toString().toInt(),
            format.value("tags").toObject()};
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result().toHex() : QByteArray();
}

const QString second = QString::fromUtf8("02-Mötley Crüe-Ärger");

} // namespace

class RealToolsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir work;
    std::unique_ptr<tonquirl> dialog;

    QString path(const QString &name) const { return work.filePath(name); }

    void open(int index, const QString &folder, const QStringList &names) { openFiles(*dialog, index, folder, names); }
    QStringList runBatch(int index) { return ::runBatch(*dialog, index, 120000); }

    // Starts the page's batch, presses Stop once the tool is at work on the
    // last row, and waits for the end.
    void stopMidway(int index)
    {
        const Page page = pageOf(*dialog, index);
        dialog->tabWidget->setCurrentIndex(index);
        QTest::mouseClick(page.startButton, Qt::LeftButton);
        QTRY_COMPARE(DialogProbe::currentRow(*dialog), page.table->rowCount() - 1);
        QCOMPARE(page.startButton->text(), QStringLiteral("Stop"));
        QTest::qWait(200);
        QTest::mouseClick(page.startButton, Qt::LeftButton);
        QVERIFY(waitForEnd(page, 120000));
    }

    // The files whose names start with "." or "_norm": what a tool left unfinished.
    QStringList leftovers(const QString &folder) const
    {
        return QDir(path(folder)).entryList({".*", "_norm*"}, QDir::Files | QDir::Hidden);
    }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"lame", "ffmpeg", "ffprobe", "normalize-audio"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
        // lame turns tag text into ID3 text by the locale: the tools get a UTF-8 one even when the program has none.
        qputenv("LC_ALL", "C");
        QVERIFY(QDir(work.path()).mkpath("videos"));
        QVERIFY(QDir(work.path()).mkpath("wav"));
        QVERIFY(QDir(work.path()).mkpath("decoded"));
        for (const QString &name : {QStringLiteral("01-Artist-Title"), second})
            run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=3:size=160x120:rate=10",
                           "-f", "lavfi", "-i", "sine=frequency=440:duration=3", "-c:v", "flv1", "-c:a",
                           "libmp3lame", "-ar", "22050", "-shortest", path("videos/" + name + ".flv")});
        QVERIFY(QFileInfo(path("videos/01-Artist-Title.flv")).size() > 0);
        dialog = std::make_unique<tonquirl>();
        dialog->show();
    }

    void extractAndHandOver()
    {
        open(0, path("videos"), {"01-Artist-Title.flv", second + ".flv"});
        dialog->flvSaveLineEdit->setText(path("wav/"));
        QCOMPARE(runBatch(0), QStringList{"tonquirl: Erstellung der wav-Dateien abgeschlossen!"});
        QCOMPARE(column(dialog->flvTableWidget, 1), QStringList({"OK.", "OK."}));
        for (const QString &name : {QStringLiteral("01-Artist-Title"), second}) {
            const Probe wav = probe(path("wav/" + name + ".wav"));
            QCOMPARE(wav.sampleRate, 44100);
            QCOMPARE(wav.channels, 2);
            QVERIFY2(qAbs(wav.duration - 3.0) < 0.1, qPrintable(QString::number(wav.duration)));
        }
        QCOMPARE(column(dialog->normTableWidget, 0), QStringList({"01-Artist-Title.wav", second + ".wav"}));
        QCOMPARE(dialog->normOpenLineEdit->text(), path("wav/"));
    }

    void normalizeTheHandedOverFiles()
    {
        const QByteArray before = hashOf(path("wav/01-Artist-Title.wav"));
        QCOMPARE(runBatch(1), QStringList{"tonquirl: Normalisierung abgeschlossen!"});
        QCOMPARE(column(dialog->normTableWidget, 1), QStringList({"OK.", "OK."}));
        QVERIFY(hashOf(path("wav/01-Artist-Title.wav")) != before);  // louder now, in place
        const Probe wav = probe(path("wav/01-Artist-Title.wav"));
        QCOMPARE(wav.channels, 2);
        QVERIFY(qAbs(wav.duration - 3.0) < 0.1);
    }

    void encodeWithTags_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::newRow("256") << "256";
        QTest::newRow("192") << "192";
        QTest::newRow("128") << "128";
    }
    void encodeWithTags()
    {
        QFETCH(QString, rate);
        open(2, path("wav"), {"01-Artist-Title.wav", second + ".wav"});
        dialog->wavSaveLineEdit->setText(path("mp3-" + rate + "/"));
        QVERIFY(QDir(work.path()).mkpath("mp3-" + rate));
        (rate == "256" ? dialog->CDradioButton : rate == "192" ? dialog->MQradioButton : dialog->LQradioButton)
            ->setChecked(true);
        dialog->wavTagsCheckBox->setChecked(true);
        QCOMPARE(dialog->wavIDFormatLineEdit->text(), QStringLiteral("N-A-T"));

        QCOMPARE(runBatch(2), QStringList{"tonquirl: Konvertierung beendet!"});
        QCOMPARE(column(dialog->wavTableWidget, 1), QStringList({"OK.", "OK."}));
        const Probe mp3 = probe(path("mp3-" + rate + "/01-Artist-Title.mp3"));
        QCOMPARE(mp3.bitRate, rate.toInt() * 1000);
        QCOMPARE(mp3.tags.value("track").toString(), QStringLiteral("01"));
        QCOMPARE(mp3.tags.value("artist").toString(), QStringLiteral("Artist"));
        QCOMPARE(mp3.tags.value("title").toString(), QStringLiteral("Title"));
        QVERIFY(qAbs(mp3.duration - 3.0) < 0.1);
        const Probe umlauts = probe(path("mp3-" + rate + "/" + second + ".mp3"));
        QCOMPARE(umlauts.tags.value("track").toString(), QStringLiteral("02"));
        QCOMPARE(umlauts.tags.value("artist").toString(), QString::fromUtf8("Mötley Crüe"));
        QCOMPARE(umlauts.tags.value("title").toString(), QString::fromUtf8("Ärger"));
    }

    void decode()
    {
        open(3, path("mp3-192"), {"01-Artist-Title.mp3", second + ".mp3"});
        dialog->mpSaveLineEdit->setText(path("decoded"));  // typed, without the final "/"
        QCOMPARE(runBatch(3), QStringList{"tonquirl: Dekodierung abgeschlossen!"});
        QCOMPARE(column(dialog->mpTableWidget, 1), QStringList({"OK.", "OK."}));
        QCOMPARE(dialog->mpProgressBar->value(), 100);
        for (const QString &name : {QStringLiteral("01-Artist-Title"), second}) {
            const Probe wav = probe(path("decoded/" + name + ".wav"));
            QCOMPARE(wav.sampleRate, 44100);
            QCOMPARE(wav.channels, 2);
            QVERIFY2(qAbs(wav.duration - 3.0) < 0.1, qPrintable(QString::number(wav.duration)));
        }
    }

    // The tools exit with 0 on these; each row must still say "FAIL!", and
    // a good file under the output's name must stay as it was.
    void failuresTheToolsHide_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("output");  // a good earlier result of that name, or none
        QTest::newRow("a damaged MP3 decoded") << 3 << "damaged.mp3" << "damaged.wav";
        QTest::newRow("random bytes encoded") << 2 << "random.wav" << "random.mp3";
        QTest::newRow("text normalized") << 1 << "text.wav" << "";
        QTest::newRow("text as a video") << 0 << "text-clip.flv" << "text-clip.wav";
    }
    void failuresTheToolsHide()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, output);
        QVERIFY(QDir(work.path()).mkpath("bad"));
        QByteArray noise(200000, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        writeFile("bad/" + name, name.startsWith("text") ? QByteArray("not audio\n") : noise);
        if (!output.isEmpty())
            QVERIFY(QFile::copy(path("mp3-192/01-Artist-Title.mp3"), path("bad/" + output)));
        const QByteArray earlier = hashOf(path("bad/" + output));
        open(index, path("bad"), {name});
        if (pageOf(*dialog, index).saveEdit)
            pageOf(*dialog, index).saveEdit->setText(path("bad/"));

        runBatch(index);
        QCOMPARE(column(pageOf(*dialog, index).table, 1), QStringList{"FAIL!"});
        QCOMPARE(hashOf(path("bad/" + output)), earlier);
        QCOMPARE(leftovers("bad"), QStringList());
    }

    void stopARealEncoder()
    {
        run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=330:duration=300", "-ac", "2",
                       "-ar", "44100", path("wav/long.wav")});
        const QByteArray before = hashOf(path("wav/long.wav"));
        open(2, path("wav"), {"long.wav", "01-Artist-Title.wav"});
        dialog->wavSaveLineEdit->setText(path("mp3-192/"));
        QVERIFY(QFile::copy(path("mp3-192/01-Artist-Title.mp3"), path("mp3-192/long.mp3")));
        const QByteArray earlier = hashOf(path("mp3-192/long.mp3"));
        stopMidway(2);
        QCOMPARE(column(dialog->wavTableWidget, 1), QStringList({"OK.", "STOP!"}));
        QCOMPARE(hashOf(path("wav/long.wav")), before);
        QCOMPARE(hashOf(path("mp3-192/long.mp3")), earlier);
        QCOMPARE(leftovers("mp3-192"), QStringList());
    }

    void stopARealExtraction()
    {
        // An hour of 8-bit sound at 5512 Hz: small to make, long to turn into 44100 Hz stereo.
        run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=f=440:sample_rate=5512:duration=3600",
                       "-ac", "1", "-c:a", "pcm_u8", "-f", "flv", path("videos/long.flv")});
        const QByteArray before = hashOf(path("videos/long.flv"));
        const QByteArray earlier = hashOf(path("wav/long.wav"));  // the WAV from the encoder's test
        open(0, path("videos"), {"long.flv"});
        dialog->flvSaveLineEdit->setText(path("wav/"));
        stopMidway(0);
        QCOMPARE(column(dialog->flvTableWidget, 1), QStringList({"STOP!"}));
        QCOMPARE(hashOf(path("videos/long.flv")), before);
        QCOMPARE(hashOf(path("wav/long.wav")), earlier);
        QCOMPARE(leftovers("wav"), QStringList());
    }

    // Stop while normalize-audio writes its temporary copy: the WAV stays as
    // it was, and the copy goes.
    void stopARealNormalizer()
    {
        run("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=330:duration=600", "-af",
                       "volume=0.05", "-ac", "2", "-ar", "44100", path("wav/quiet.wav")});
        const QByteArray before = hashOf(path("wav/quiet.wav"));
        open(1, path("wav"), {"quiet.wav"});
        dialog->tabWidget->setCurrentIndex(1);
        QTest::mouseClick(dialog->normConvertButton, Qt::LeftButton);
        // Held still the moment its copy appears, so that Stop meets it there.
        QElapsedTimer waited;
        waited.start();
        while (leftovers("wav").isEmpty() && waited.elapsed() < 60000)
            usleep(200);
        QCOMPARE(leftovers("wav").size(), 1);
        const qint64 normalizer = DialogProbe::process(*dialog, 1).processId();
        kill(normalizer, SIGSTOP);
        QTest::mouseClick(dialog->normConvertButton, Qt::LeftButton);
        kill(normalizer, SIGCONT);
        QVERIFY(waitForEnd(pageOf(*dialog, 1)));
        QCOMPARE(column(dialog->normTableWidget, 1), QStringList({"STOP!"}));
        QCOMPARE(hashOf(path("wav/quiet.wav")), before);
        QCOMPARE(leftovers("wav"), QStringList());
        QFile::remove(path("wav/quiet.wav"));
    }
};

QTEST_MAIN(RealToolsTest)
#include "tst_realtools.moc"
