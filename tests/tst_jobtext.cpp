// What the tools are told and what is read back from them: text in, text out.
#include "audiofiles.h"
#include "commandlines.h"
#include "id3tags.h"
#include "outputfiles.h"
#include "progress.h"
#include "rowpaths.h"
#include "toolenvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Percent = std::optional<int>;
Q_DECLARE_METATYPE(Percent)

namespace {
QByteArray le32(quint32 n)
{
    return QByteArray(1, char(n)) + char(n >> 8) + char(n >> 16) + char(n >> 24);
}
} // namespace

class JobTextTest : public QObject
{
    Q_OBJECT

private slots:
    void tagFields_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *pattern, const char *name, QStringList fields) {
            fields << "--add-id3v2";
            QTest::addRow("%s | %s", pattern, name) << QString::fromUtf8(pattern) << QString::fromUtf8(name) << fields;
        };
        row("N-A-T", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("N - A - T", "01 - Artist - Title.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("N-A-T", "01 - Artist - Title.wav", {"--tn", "01 ", "--ta", " Artist ", "--tt", " Title"});
        row("N. A - T", "07. Artist - Title.wav", {"--tn", "07", "--ta", "Artist", "--tt", "Title"});
        row("T-A-N", "Title-Artist-01.wav", {"--tt", "Title", "--ta", "Artist", "--tn", "01"});
        row("A-T", "Artist-Title.wav", {"--ta", "Artist", "--tt", "Title"});
        row("T", "Some Title.wav", {"--tt", "Some Title"});
        row("", "01-Artist-Title.wav", {"--tt", "01-Artist-Title"});
        row("n-a-t", "01-Artist-Title.wav", {"--tt", "01-Artist-Title"});
        row("xN-A-T-N", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("N_A_T-x", "01_Artist_Title.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("N-N-T", "01-02-Title.wav", {"--tn", "01", "--tn", "02", "--tt", "Title"});
        row("N-A-T", "01-Artist-Title-Live.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title-Live"});
        row("N-A-T", "-Artist-Title.wav", {"--tn", "", "--ta", "Artist", "--tt", "Title"});
        row("N-A-T", "01--Title.wav", {"--tn", "01", "--ta", "", "--tt", "Title"});
        row("N-AT", "01-Artist.wav", {"--tn", "01", "--ta", "Artist", "--tt", ""});
        row("NAT", "01-Artist-Title.wav", {"--tn", "01-Artist-Title", "--ta", "", "--tt", ""});
        row("N-A", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist-Title"});
        row("N--A--T", "01--Artist--Title.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("N--A-T", "a--b-c.wav", {"--tn", "a", "--ta", "b", "--tt", "c"});
        // A separator missing from the name: the field before it runs to the end.
        row("N-A-T", "Just a title.wav", {"--tn", "Just a title", "--ta", "", "--tt", ""});
        row("N-A-T", "01-Artist.wav", {"--tn", "01", "--ta", "Artist", "--tt", ""});
        row("NA-T", "01-Artist-Title.wav", {"--tn", "01-Artist-Title", "--ta", "", "--tt", ""});
        row("N - A - T", "01-Artist-Title.wav", {"--tn", "01-Artist-Title", "--ta", "", "--tt", ""});
        row("N-A_T", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist-Title", "--tt", ""});
        // Names as they come: no suffix, several dots, letters beyond ASCII.
        row("N-A-T", "01-Artist-Title", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("A-T", "Band.Name-Live.At.Home.wav", {"--ta", "Band.Name", "--tt", "Live.At.Home"});
        row("N-A-T", "03-Mötley Crüe-Ärger.wav", {"--tn", "03", "--ta", "Mötley Crüe", "--tt", "Ärger"});
    }
    void tagFields()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, fileName);
        QFETCH(QStringList, expected);
        QCOMPARE(id3Arguments(pattern, fileName), expected);
    }

    void progressChunks_data()
    {
        QTest::addColumn<bool>("frames");  // lame --decode's frame counter, else a percentage
        QTest::addColumn<QString>("chunk");
        QTest::addColumn<Percent>("expected");
        const auto percent = [](const char *tag, const char *chunk, Percent expected) {
            QTest::newRow(tag) << false << QString(chunk) << expected;
        };
        const auto frames = [](const char *tag, const char *chunk, Percent expected) {
            QTest::newRow(tag) << true << QString(chunk) << expected;
        };
        percent("37%", "  37% done", 37);
        percent("first of two", "12% ... 80%", 12);
        percent("100%", "(100%)", 100);
        percent("digits, no sign", "1234 56", {});
        percent("above the bar", "250%", 250);
        percent("four digits", "1234%", 234);
        percent("no digits", "--% done", {});
        percent("empty", "", {});
        percent("lame", "\r   100/116    (86%)|    0:00/    0:00|", 86);
        percent("normalize-audio", " n.wav    --% done, ETA --:--:-- (batch   0% done)\r n.wav  1% done", 0);
        frames("250/1000", "Frame#   250/1000   256 kbps", 25);
        frames("1/3", "Frame# 1/3 ", 33);
        frames("total 0", "Frame# 5/0 ", {});
        frames("no Frame", "input:  a.mp3  (44.1 kHz, 2/2 channels)", {});
        frames("no slash", "Frame# 250 of 1000", {});
        frames("folder slash first", "Frame /audio/x.mp3 250/1000 ", {});
        frames("to the end", "Frame 3/4", 75);
        frames("more than all", "Frame 5/4 ", {});
        frames("garbage total", "Frame 5/abc ", {});
        frames("huge", "Frame 1e308/1e-308 ", {});
        frames("lame --decode", "\rFrame#     2/116    256 kbps  LMSR     \b\b\b\rFrame#     3/116", 1);
    }
    void progressChunks()
    {
        QFETCH(bool, frames);
        QFETCH(QString, chunk);
        QFETCH(Percent, expected);
        QCOMPARE(frames ? frameCounterPercent(chunk) : percentInText(chunk), expected);
    }

    void playTime_data()
    {
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<QList<Percent>>("expected");
        QTest::addColumn<int>("duration");
        QTest::newRow("duration, then time") << QStringList{"  Duration: 00:01:40.00, start: 0.0", "size= 1kB time=00:00:50.00 bitrate"}
                                             << QList<Percent>{Percent(), Percent(50)} << 100;
        QTest::newRow("both in one chunk") << QStringList{"Duration: 00:01:40.00, start\nsize= 1kB time=00:00:25.00"}
                                           << QList<Percent>{Percent(25)} << 100;
        QTest::newRow("stamp in the next chunk") << QStringList{"  Duration:", " 00:02:00.00, start: 0", "time=00:01:00.00"}
                                                 << QList<Percent>{Percent(), Percent(), Percent(50)} << 120;
        QTest::newRow("old seconds form") << QStringList{"Duration: 00:01:40.00,", "time=25.00 bitrate"}
                                          << QList<Percent>{Percent(), Percent(25)} << 100;
        QTest::newRow("no duration yet") << QStringList{"size= 1kB time=00:00:50.00"} << QList<Percent>{Percent()} << 0;
        QTest::newRow("no time") << QStringList{"Duration: 00:00:10.00", "Stream #0:1: Audio"}
                                 << QList<Percent>{Percent(), Percent()} << 10;
        QTest::newRow("past the end") << QStringList{"Duration: 00:00:10.00", "time=00:00:30.00"}
                                      << QList<Percent>{Percent(), Percent()} << 10;
        QTest::newRow("hours") << QStringList{"Duration: 02:00:00.00", "time=01:30:00.00"}
                               << QList<Percent>{Percent(), Percent(75)} << 7200;
        QTest::newRow("creation time in the header")
            << QStringList{"    creation_time   : 2020-01-01T12:34:56.000000Z\n  Duration: 00:01:40.00, start",
                           "  creation_time : 2020-01-01T12:34:56.00 size= 1kB time=00:00:50.00"}
            << QList<Percent>{Percent(), Percent(50)} << 100;
    }
    void playTime()
    {
        QFETCH(QStringList, chunks);
        QFETCH(QList<Percent>, expected);
        QFETCH(int, duration);
        int seconds = 0, seen = 0;
        QList<Percent> got;
        for (const QString &chunk : chunks)
            got << playTimePercent(chunk, {seconds, seen});
        QCOMPARE(got, expected);
        QCOMPARE(seconds, duration);
        QCOMPARE(seen, 0);
    }

    void durationKeptUntilANewOne()
    {
        int seconds = 200, seen = 0;  // from the previous file
        QCOMPARE(playTimePercent("time=00:00:50.00", {seconds, seen}), Percent(25));
        QCOMPARE(playTimePercent("Duration: N/A, start", {seconds, seen}), Percent());
        QCOMPARE(seen, 1);  // still waiting for a time stamp
        QCOMPARE(seconds, 200);
    }

    void encoderCommandLines_data()
    {
        QTest::addColumn<QString>("bitRate");
        QTest::addColumn<QString>("pattern");  // empty: no tags
        QTest::addColumn<QString>("openFolder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("saveFolder");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("256, no tags") << "256" << "" << "/data/rec/" << "01-Artist-Title.wav" << "/data/mp3/"
            << QStringList{"--preset", "cbr", "256", "/data/rec/01-Artist-Title.wav", "/data/mp3/01-Artist-Title.mp3"};
        QTest::newRow("192, tags") << "192" << "N-A-T" << "/data/rec/" << "01-Artist-Title.wav" << "/data/mp3/"
            << QStringList{"--preset", "cbr", "192", "--tn", "01", "--ta", "Artist", "--tt", "Title", "--add-id3v2",
                           "/data/rec/01-Artist-Title.wav", "/data/mp3/01-Artist-Title.mp3"};
        QTest::newRow("128, title") << "128" << "T" << "/data/rec/" << "live.set.wav" << "/data/rec/"
            << QStringList{"--preset", "cbr", "128", "--tt", "live.set", "--add-id3v2", "/data/rec/live.set.wav",
                           "/data/rec/live.set.mp3"};
        QTest::newRow("no suffix") << "256" << "" << "/data/rec/" << "take1" << "/data/mp3/"
            << QStringList{"--preset", "cbr", "256", "/data/rec/take1", "/data/mp3/take1.mp3"};
        QTest::newRow("typed folder") << "256" << "" << "/data/rec/" << "a b.wav" << "/data/mp3"
            << QStringList{"--preset", "cbr", "256", "/data/rec/a b.wav", "/data/mp3/a b.mp3"};
        QTest::newRow("typed open folder") << "256" << "" << "/data/rec" << "a.wav" << "/data/mp3/"
            << QStringList{"--preset", "cbr", "256", "/data/rec/a.wav", "/data/mp3/a.mp3"};
        QTest::newRow("no output folder") << "128" << "" << "/data/rec/" << "a.wav" << ""
            << QStringList{"--preset", "cbr", "128", "/data/rec/a.wav", "/data/rec/a.mp3"};
    }
    void encoderCommandLines()
    {
        QFETCH(QString, bitRate);
        QFETCH(QString, pattern);
        QFETCH(QString, openFolder);
        QFETCH(QString, name);
        QFETCH(QString, saveFolder);
        QFETCH(QStringList, expected);
        const QString input = joinFolder(openFolder, name);
        const QStringList tags = pattern.isEmpty() ? QStringList() : id3Arguments(pattern, name);
        QCOMPARE(encodeArguments(bitRate, tags, input, outputPath(saveFolder, input, ".mp3")), expected);
    }

    void otherCommandLines()
    {
        QCOMPARE(decodeArguments("/audio/a.b.mp3", outputPath("/out/", "/audio/a.b.mp3", ".wav")),
                 QStringList({"--decode", "/audio/a.b.mp3", "/out/a.b.wav"}));
        QCOMPARE(decodeArguments("/audio/a.mp3", outputPath("/out", "/audio/a.mp3", ".wav")),
                 QStringList({"--decode", "/audio/a.mp3", "/out/a.wav"}));
        QCOMPARE(extractArguments("/home/u/videos/clip.flv", outputPath("/home/u/out/", "/home/u/videos/clip.flv", ".wav")),
                 QStringList({"-y", "-i", "/home/u/videos/clip.flv", "-vn", "-ar", "44100", "-ac", "2",
                              "/home/u/out/clip.wav"}));
        QCOMPARE(normalizeArguments("/data/rec/a b.wav"), QStringList({"/data/rec/a b.wav"}));
        // A bare name that starts with a dash must not read as an option.
        QCOMPARE(normalizeArguments("-x.wav"), QStringList({"./-x.wav"}));
        QCOMPARE(decodeArguments("-a.mp3", "-a.wav"), QStringList({"--decode", "./-a.mp3", "./-a.wav"}));
    }

    void folders()
    {
        QCOMPARE(joinFolder("/data/", "a.wav"), QStringLiteral("/data/a.wav"));
        QCOMPARE(joinFolder("/data", "a.wav"), QStringLiteral("/data/a.wav"));
        QCOMPARE(joinFolder("", "a.wav"), QStringLiteral("a.wav"));
        QCOMPARE(joinFolder("/", "a.wav"), QStringLiteral("/a.wav"));
        QCOMPARE(outputFolder("", "/a.wav"), QStringLiteral("/"));
        QCOMPARE(outputFolder("", "/data/rec/a.wav"), QStringLiteral("/data/rec/"));
        QCOMPARE(outputFolder("", "a.wav"), QDir::currentPath() + '/');
        QCOMPARE(outputFolder("out", "/data/a.wav"), QStringLiteral("out/"));
    }

    void sameFiles()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath("real");
        QVERIFY(QDir().mkpath(real));
        QVERIFY(QFile::link(real, dir.filePath("linked")));
        QFile input(dir.filePath("real/x.mp3"));
        QVERIFY(input.open(QIODevice::WriteOnly));
        input.close();
        QVERIFY(QFile::link(dir.filePath("real/x.mp3"), dir.filePath("real/link.mp3")));

        const QString inputId = fileIdentity(dir.filePath("real/x.mp3"));
        QCOMPARE(fileIdentity(dir.filePath("linked/x.mp3")), inputId);         // through a linked folder
        QCOMPARE(fileIdentity(dir.filePath("real/link.mp3")), inputId);        // a link to the file
        QCOMPARE(fileIdentity(dir.filePath("real/../real/./x.mp3")), inputId);  // not cleaned
        QCOMPARE(fileIdentity(dir.filePath("linked/new.wav")), fileIdentity(dir.filePath("real/new.wav")));
        QVERIFY(fileIdentity(dir.filePath("real/x.wav")) != inputId);
        QCOMPARE(fileIdentity("/no/such/../place/a.wav"), QStringLiteral("/no/place/a.wav"));
    }

    void audioFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("wave");  // isWaveWithAudio
        QTest::addColumn<bool>("lame");  // lameCanEncode
        QTest::addColumn<bool>("mp3");   // isMp3WithAudio
        const QByteArray format = QByteArray("fmt ") + le32(16) + QByteArray(16, '\1');
        const auto riff = [](const QByteArray &chunks) { return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks; };
        QTest::newRow("WAV") << riff(format + "data" + le32(4) + "abcd") << true << true << false;
        QTest::newRow("WAV, a chunk before the data") << riff(format + "LIST" + le32(3) + QByteArray("xyz", 4) + "data" + le32(2) + "ab")
                                                      << true << true << false;
        QTest::newRow("WAV without samples") << riff(format + "data" + le32(0)) << false << false << false;
        QTest::newRow("WAV cut off after its header") << riff(format + "data" + le32(4)) << false << false << false;
        QTest::newRow("WAV without data") << riff(format) << false << false << false;
        QTest::newRow("AIFF") << QByteArray("FORM\0\0\0\x20" "AIFFCOMM", 16) << false << true << false;
        QTest::newRow("AIFF-C") << QByteArray("FORM\0\0\0\x20" "AIFCCOMM", 16) << false << true << false;
        QTest::newRow("MP3") << QByteArray("\xff\xfb\x90\x64\0\0", 6) << false << false << true;
        QTest::newRow("MP3 after an ID3 tag") << QByteArray("ID3\3\0\0\0\0\0\2xy\xff\xfb\x90\x64", 16)
                                              << false << false << true;
        QTest::newRow("ID3 tag alone") << QByteArray("ID3\3\0\0\0\0\0\2xy", 12) << false << false << false;
        QTest::newRow("MP3, bad bit rate") << QByteArray("\xff\xfb\xf0\x64", 4) << false << false << false;
        QTest::newRow("random bytes") << QByteArray("\x12\x9a\xfe\x00\x44garbage", 12) << false << false << false;
        QTest::newRow("text") << QByteArray("hello\n") << false << false << false;
        QTest::newRow("empty") << QByteArray() << false << false << false;
    }
    void audioFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, wave);
        QFETCH(bool, lame);
        QFETCH(bool, mp3);
        QTemporaryDir dir;
        QFile file(dir.filePath("f"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QCOMPARE(isWaveWithAudio(file.fileName()), wave);
        QCOMPARE(lameCanEncode(file.fileName()), lame);
        QCOMPARE(isMp3WithAudio(file.fileName()), mp3);
        QVERIFY(!isWaveWithAudio(dir.filePath("missing")) && !lameCanEncode(dir.filePath("missing")));
    }

    void temporaryOutputs()
    {
        QTemporaryDir dir;
        const QString final = dir.filePath("song.wav");
        const QString first = reserveTemporaryOutput(final);
        const QString second = reserveTemporaryOutput(final);
        QVERIFY(first != second);
        for (const QString &path : {first, second}) {
            const QFileInfo file(path);
            QCOMPARE(file.absolutePath(), dir.path());  // a rename away from the final name
            QVERIFY(file.isHidden());
            QCOMPARE(file.suffix(), QStringLiteral("wav"));
            QCOMPARE(file.size(), 0);
        }
        QVERIFY(reserveTemporaryOutput(dir.filePath("no-folder/song.wav")).isEmpty());

        QFile earlier(final);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") > 0);
        earlier.close();
        QFile done(first);
        QVERIFY(done.open(QIODevice::WriteOnly) && done.write("new") > 0);
        done.close();
        QVERIFY(moveIntoPlace(first, final));
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("new"));
    }

    void toolEnvironment_data()
    {
        QTest::addColumn<QStringList>("given");     // NAME=value
        QTest::addColumn<QStringList>("expected");  // the locale variables the tool sees
        QTest::newRow("UTF-8 already") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"LANG=de_DE.UTF-8"};
        QTest::newRow("utf8 spelt short") << QStringList{"LC_ALL=en_US.utf8"} << QStringList{"LC_ALL=en_US.utf8"};
        QTest::newRow("no locale") << QStringList() << QStringList{"LC_CTYPE=C.UTF-8"};
        QTest::newRow("LANG=C") << QStringList{"LANG=C"} << QStringList{"LANG=C", "LC_CTYPE=C.UTF-8"};
        QTest::newRow("LC_CTYPE=POSIX over a UTF-8 LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_CTYPE=POSIX"}
                                                          << QStringList{"LANG=de_DE.UTF-8", "LC_CTYPE=C.UTF-8"};
        QTest::newRow("LC_ALL=C") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C"}
            << QStringList{"LANG=de_DE.UTF-8", "LC_COLLATE=C", "LC_CTYPE=C.UTF-8", "LC_MESSAGES=C",
                           "LC_MONETARY=C", "LC_NUMERIC=C", "LC_TIME=C"};
    }
    void toolEnvironment()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, expected);
        QProcessEnvironment environment;
        environment.insert("PATH", "/usr/bin");
        for (const QString &variable : given)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QStringList seen = withUtf8CharacterType(environment).toStringList();
        seen.sort();
        QCOMPARE(seen, expected << "PATH=/usr/bin");
    }

    void failureAdmittedOnStandardError()
    {
        FailureWatch watch(": error ");
        for (const char *chunk : {" a.wav   37% done\r", "normalize-audio: err", "or reading a.wav\n", "Computing"})
            watch.read(chunk);
        QVERIFY(watch.failureReported());
        FailureWatch quiet(": error ");
        quiet.read(" error.wav   37% done: errors.wav");
        QVERIFY(!quiet.failureReported());
    }
};

QTEST_GUILESS_MAIN(JobTextTest)
#include "tst_jobtext.moc"
