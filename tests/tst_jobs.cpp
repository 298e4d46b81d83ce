// SPDX-License-Identifier: GPL-3.0-or-later
// The plain functions behind the jobs: what the tools are told, what is read
// back from them, and what their files hold.
#include "audiofiles.h"
#include "id3tags.h"
#include "listingorder.h"
#include "outputfiles.h"
#include "progress.h"

#include <QTemporaryDir>
#include <QTest>

using Percent = std::optional<int>;

namespace {

QByteArray le32(quint32 n)
{
    return QByteArray(1, char(n)) + char(n >> 8) + char(n >> 16) + char(n >> 24);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class JobsTest : public QObject
{
    Q_OBJECT

private slots:
    void tagFields_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("expected");  // without the final "--add-id3v2"
        const auto row = [](const char *pattern, const char *name, const QStringList &fields) {
            QTest::addRow("%s | %s", pattern, name) << QString::fromUtf8(pattern) << QString::fromUtf8(name) << fields;
        };
        row("N-A-T", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist", "--tt", "Title"});
        row("N-A-T", "01 - Artist - Title.wav", {"--tn", "01 ", "--ta", " Artist ", "--tt", " Title"});
        row("N. A - T", "07. Artist - Title.wav", {"--tn", "07", "--ta", "Artist", "--tt", "Title"});
        row("T-A-N", "Title-Artist-01.wav", {"--tt", "Title", "--ta", "Artist", "--tn", "01"});
        row("A-T", "Band.Name-Live.At.Home.wav", {"--ta", "Band.Name", "--tt", "Live.At.Home"});
        row("", "01-Artist-Title.wav", {"--tt", "01-Artist-Title"});
        row("n-a-t", "01-Artist-Title.wav", {"--tt", "01-Artist-Title"});
        row("N-A-T", "01--Title.wav", {"--tn", "01", "--ta", "", "--tt", "Title"});
        row("NAT", "01-Artist-Title.wav", {"--tn", "01-Artist-Title", "--ta", "", "--tt", ""});
        row("N-A", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist-Title"});
        row("N--A-T", "a--b-c.wav", {"--tn", "a", "--ta", "b", "--tt", "c"});
        row("N-A-T", "03-Mötley Crüe-Ärger.wav", {"--tn", "03", "--ta", "Mötley Crüe", "--tt", "Ärger"});
        // A separator missing from the name: the field before it runs to the end.
        row("N-A-T", "Just a title.wav", {"--tn", "Just a title", "--ta", "", "--tt", ""});
        row("N-A_T", "01-Artist-Title.wav", {"--tn", "01", "--ta", "Artist-Title", "--tt", ""});
    }
    void tagFields()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, fileName);
        QFETCH(QStringList, expected);
        QCOMPARE(id3Arguments(pattern, fileName), expected << "--add-id3v2");
    }

    void progress_data()
    {
        QTest::addColumn<char>("reader");   // '%' lame and normalize-audio, 'f' lame --decode, 't' ffmpeg
        QTest::addColumn<QString>("chunks");  // one after the other, split at '~'
        QTest::addColumn<Percent>("expected");  // from the last chunk
        const auto row = [](char reader, const char *chunks, Percent expected) {
            QTest::addRow("%s", qPrintable(QString(chunks).simplified())) << reader << QString(chunks) << expected;
        };
        row('%', "\r   100/116    (86%)|    0:00/    0:00|", 86);
        row('%', " n.wav  12% done, ETA 00:00:00 (batch  80% done)", 12);
        row('%', "1234%", 234);  // passed on: the bar keeps values of 0..100 only
        row('f', "\rFrame#     2/116    256 kbps  LMSR     \rFrame#     3/116", 1);
        row('f', "Frame# 1/3 ", 33);
        row('f', "Frame 3/4", 75);
        row('f', "Frame# 5/0 ", {});
        row('f', "input:  a.mp3  (44.1 kHz, 2/2 channels)", {});
        row('t', "Duration: 00:01:40.00, start\nsize= 1kB time=00:00:25.00", 25);
        row('t', "  Duration:~ 00:02:00.00, start~time=00:01:00.00", 50);
        row('t', "Duration: 00:01:40.00,~time=25.00 bitrate", 25);
        row('t', "Duration: 02:00:00.00~time=01:30:00.00", 75);
        row('t', "Duration: 00:00:10.00~time=00:00:30.00", {});
        row('t', "  creation_time : 2020-01-01T12:34:56.000000Z\n  Duration: 00:01:40.00, start~"
                 "  creation_time : 2020-01-01T12:34:56.00 size= 1kB time=00:00:50.00", 50);
    }
    void progress()
    {
        QFETCH(char, reader);
        QFETCH(QString, chunks);
        QFETCH(Percent, expected);
        int duration = 0, durationSeen = 0;
        Percent percent;
        for (const QString &chunk : chunks.split('~'))
            percent = reader == '%' ? percentInText(chunk)
                    : reader == 'f' ? frameCounterPercent(chunk) : playTimePercent(chunk, {duration, durationSeen});
        QCOMPARE(percent, expected);
    }

    void audioFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("wave");  // isWaveWithAudio
        QTest::addColumn<bool>("lame");  // lameCanEncode
        QTest::addColumn<bool>("mp3");   // isMp3WithAudio
        const QByteArray format = "fmt " + le32(16) + QByteArray(16, '\1');
        const auto riff = [](const QByteArray &chunks) { return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks; };
        QTest::newRow("WAV") << riff(format + "LIST" + le32(3) + QByteArray("xyz", 4) + "data" + le32(2) + "ab")
                             << true << true << false;
        QTest::newRow("WAV without samples") << riff(format + "data" + le32(0)) << false << false << false;
        QTest::newRow("WAV cut off") << riff(format + "data" + le32(4)) << false << false << false;
        QTest::newRow("AIFF") << QByteArray("FORM\0\0\0\x20" "AIFCCOMM", 16) << false << true << false;
        QTest::newRow("MP3 after an ID3 tag") << QByteArray("ID3\3\0\0\0\0\0\2xy\xff\xfb\x90\x64", 16) << false << false << true;
        QTest::newRow("random bytes") << QByteArray("\x12\x9a\xfe\x00\x44garbage", 12) << false << false << false;
        QTest::newRow("empty") << QByteArray() << false << false << false;
    }
    void audioFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, wave);
        QFETCH(bool, lame);
        QFETCH(bool, mp3);
        QTemporaryDir dir;
        writeFile(dir.filePath("f"), bytes);
        QCOMPARE(isWaveWithAudio(dir.filePath("f")), wave);
        QCOMPARE(lameCanEncode(dir.filePath("f")), lame);
        QCOMPARE(isMp3WithAudio(dir.filePath("f")), mp3);
    }

    void temporaryOutputs()
    {
        QTemporaryDir dir;
        const QString first = reserveTemporaryOutput(dir.filePath("song.wav"));
        QVERIFY(QFileInfo(first).isHidden() && first.endsWith(".wav"));
        QVERIFY(reserveTemporaryOutput(dir.filePath("song.wav")) != first);  // never one already there
        QVERIFY(reserveTemporaryOutput(dir.filePath("no-folder/song.wav")).isEmpty());
    }

    void filesNamedFromOutside_data()
    {
        QTest::addColumn<QStringList>("named");  // relative to a folder with a/v.flv a/x.WAV a/y.wav a/c.mp3 a/t.txt b/z.wav
        QTest::addColumn<QStringList>("pages");  // what each page takes, joined by " "
        QTest::addColumn<QString>("leftOut");    // each "path:reason", joined by " "
        QTest::addColumn<int>("lastPage");
        const auto row = [](const char *tag, const QStringList &named, const QStringList &pages, const char *leftOut,
                            int lastPage) { QTest::newRow(tag) << named << pages << QString(leftOut) << lastPage; };
        row("each on its page", {"a/y.wav", "a/v.flv", "a/c.mp3", "a/x.WAV"}, {"a/v.flv", "", "a/x.WAV a/y.wav", "a/c.mp3"}, "", 2);
        row("one folder a page", {"b/z.wav", "a/y.wav", "a/c.mp3"}, {"", "", "b/z.wav", "a/c.mp3"},
            "a/y.wav:other folder", 3);
        row("unknown and missing", {"a/c.mp3", "a/t.txt", "a/gone.wav"}, {"", "", "", "a/c.mp3"},
            "a/t.txt:unknown type a/gone.wav:missing", 3);
        row("named twice, a folder named .wav", {"./a/c.mp3", "a/../a/c.mp3", "a/d.wav"}, {"", "", "", "a/c.mp3"},
            "a/d.wav:missing", 3);
        row("nothing to take", {"a/t.txt"}, {"", "", "", ""}, "a/t.txt:unknown type", -1);
    }
    void filesNamedFromOutside()
    {
        QFETCH(QStringList, named);
        QFETCH(QStringList, pages);
        QFETCH(QString, leftOut);
        QFETCH(int, lastPage);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a/d.wav") && QDir(dir.path()).mkpath("b") && QDir::setCurrent(dir.path()));
        for (const char *name : {"a/v.flv", "a/x.WAV", "a/y.wav", "a/c.mp3", "a/t.txt", "b/z.wav"})
            writeFile(name, "");
        const FilesForPages sorted = sortOutFiles(named, {".flv", "", ".wav", ".mp3"});
        QStringList taken, left;
        for (const QStringList &page : sorted.pages)
            taken << QStringList(page).replaceInStrings(dir.path() + '/', "").join(' ');
        const char *reasons[] = {"unknown type", "missing", "other folder"};
        for (const FilesForPages::LeftOut &file : sorted.leftOut)
            left << file.path + ':' + reasons[file.reason];
        QCOMPARE(taken, pages);
        QCOMPARE(left.join(' '), leftOut);
        QCOMPARE(sorted.lastPage, lastPage);
    }

    void failureAdmittedOnStandardError()
    {
        FailureWatch watch(": error "), quiet(": error ");
        for (const char *chunk : {" a.wav   37% done\r", "normalize-audio: err", "or reading a.wav\n"})
            watch.read(chunk);
        quiet.read(" error.wav   37% done: errors.wav");
        QVERIFY(watch.failureReported() && !quiet.failureReported());
    }
};

QTEST_GUILESS_MAIN(JobsTest)
#include "tst_jobs.moc"
