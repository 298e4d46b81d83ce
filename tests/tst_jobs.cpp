// SPDX-License-Identifier: GPL-3.0-or-later
// The plain functions behind the jobs: what the tools are told, what is read
// back from them, and what their files hold.
#include "support/testkit.h"

#include "audiofiles.h"
#include "batchprogress.h"
#include "id3tags.h"
#include "keptoriginal.h"
#include "leftovers.h"
#include "outputfiles.h"
#include "outcome.h"
#include "progress.h"
#include "toolmessages.h"
#include "warnings.h"

using Percent = std::optional<int>;

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
        // A name without the pattern's separators is all title.
        row("N-A-T", "Just a title.wav", {"--tn", "", "--ta", "", "--tt", "Just a title"});
        row("N-A_T", "01-Artist-Title.wav", {"--tn", "", "--ta", "", "--tt", "01-Artist-Title"});
        row("N-A", "NoPatternHere.wav", {"--tn", "NoPatternHere", "--ta", ""});  // no title: the first field
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
        QTest::addColumn<bool>("complete");  // isCompleteWaveWithAudio
        QTest::addColumn<bool>("lame");      // lameCanEncode
        QTest::addColumn<bool>("mp3");       // isMp3WithAudio
        // 8-bit mono: one byte a sample frame
        const QByteArray format = "fmt " + le32(16) + QByteArray("\1\0\1\0\x40\x1f\0\0\x40\x1f\0\0\1\0\x08\0", 16);
        const auto riff = [](const QByteArray &chunks) { return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks; };
        const auto le64 = [](quint32 n) { return le32(n) + le32(0); };
        const QByteArray ds64 = "ds64" + le32(28) + le64(4 + 36 + 24 + 8 + 2) + le64(2) + le64(2) + le32(0);
        QTest::newRow("WAV") << riff(format + "LIST" + le32(3) + QByteArray("xyz", 4) + "data" + le32(2) + "ab")
                             << true << true << false;
        QTest::newRow("WAV, odd size, no pad byte") << riff(format + "data" + le32(3) + "abc" + '\0').chopped(1)
                                                    << true << true << false;
        QTest::newRow("WAV cut off") << riff(format + "data" + le32(4)) << false << false << false;
        // A full disk: the header claims what lame or normalize-audio meant to write.
        QTest::newRow("WAV short of its samples") << riff(format + "data" + le32(8) + "abcd") << false << true << false;
        QTest::newRow("WAV short of its RIFF size") << "RIFF" + le32(100) + "WAVE" + format + "data" + le32(2) + "ab"
                                                    << false << true << false;
        QTest::newRow("WAV streamed") << "RIFF" + le32(0xffffffff) + "WAVE" + format + "data" + le32(0xffffffff) + "ab"
                                      << false << true << false;
        QTest::newRow("RF64") << "RF64" + le32(0xffffffff) + "WAVE" + ds64 + format + "data" + le32(0xffffffff) + "ab"
                              << true << true << false;
        QTest::newRow("RF64 without ds64") << "RF64" + le32(0xffffffff) + "WAVE" + format + "data" + le32(0xffffffff) + "ab"
                                           << false << false << false;
        QTest::newRow("AIFF") << QByteArray("FORM\0\0\0\x20" "AIFCCOMM", 16) << false << true << false;
    }
    void audioFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, complete);
        QFETCH(bool, lame);
        QFETCH(bool, mp3);
        QTemporaryDir dir;
        write(dir.filePath("f"), bytes);
        QCOMPARE(isCompleteWaveWithAudio(dir.filePath("f")), complete);
        QCOMPARE(lameCanEncode(dir.filePath("f")), lame);
        QCOMPARE(isMp3WithAudio(dir.filePath("f")), mp3);
    }

    // A Normalize row killed (or its power cut) at each point of the rewrite,
    // and what the next batch there makes of it: the new sound where it is
    // whole, else the original; no hidden file, and an older tool temporary kept.
    void killedRunsAreCleared_data()
    {
        QTest::addColumn<QString>("rewrite");   // what is under the WAV's name: "none" (the original), "whole", "cut short", "gone"
        QTest::addColumn<bool>("originalBack");
        QTest::newRow("before the rename") << "none" << true;
        QTest::newRow("after the rename") << "whole" << false;
        QTest::newRow("the new sound not yet on the disk") << "cut short" << true;
        QTest::newRow("the file gone") << "gone" << true;
    }
    void killedRunsAreCleared()
    {
        QFETCH(QString, rewrite);
        QFETCH(bool, originalBack);
        QTemporaryDir dir;
        const QString path = dir.filePath("song.wav");
        const QByteArray original = wave(QByteArray(4000, '\1')), rewritten = wave(QByteArray(4000, '\7'));
        write(path, original);
        write(dir.filePath("_normOLDOLD"), "another program's");
        KeptOriginal::keep(path, {"_normOLDOLD"});  // killed: its claim goes with it, nothing else
        write(dir.filePath("_normNEWNEW"), "half a WAV");
        if (rewrite != "none")  // normalize-audio renames a new file over the old one
            QVERIFY(QFile::remove(path));
        if (rewrite == "whole" || rewrite == "cut short")
            write(path, rewrite == "whole" ? rewritten : rewritten.left(100));
        clearKilledRuns(dir.path(), normalizeTemporaries);
        QCOMPARE(filesIn(dir.path()), QStringList({"_normOLDOLD", "song.wav"}));
        QCOMPARE(contents(path), originalBack ? original : rewritten);
    }

    // What a tool says besides its progress, read chunk by chunk: its last
    // lines, the failure its exit code hides, and the warning of a whole
    // output that holds less than its input promised, by the seconds of the WAV it wrote.
    void whatTheToolSaid_data()
    {
        QTest::addColumn<QString>("chunks");    // split at '~'
        QTest::addColumn<double>("seconds");    // of the WAV written; 0: no WAV
        QTest::addColumn<QString>("lines");     // the last lines kept, joined by '|'
        QTest::addColumn<QString>("admitted");  // "error" (": error "), "disk full", or nothing
        QTest::addColumn<QString>("warning");
        const auto row = [](const char *tag, const QString &chunks, double seconds, const QString &lines,
                            const char *admitted, const char *warning = "") {
            QTest::newRow(tag) << chunks << seconds << lines << QString(admitted) << QString::fromUtf8(warning);
        };
        const char *cutOff = "Die Eingabe ist beschädigt oder unvollständig: 1,5 s von 3,0 s umgewandelt.";
        row("decoded whole", "\rFrame#   115/116   128 kbps   MS   \rFrame#   116/116   128 kbps   MS   \n", 3.03, "", "");
        row("decoded a frame short of lame's estimate", "Frame#   116/117   128 kbps   MS   \n", 3.03, "", "");
        row("decoded half", "\rFrame#    5~8/116    128 kbps   MS   \n", 1.5, "", "", cutOff);
        row("a damaged frame", "hip: Can't rewind stream by 424 bits!\nFrame#   116/116   128 kbps  \n", 3.03,
            "hip: Can't rewind stream by 424 bits!", "", "Die Eingabe ist beschädigt oder unvollständig.");
        row("extracted half", "  Duration: 00:00:03.04, start: 0.000000\n[flv @ 0x5] Packet corrupt (stream = 0)\n", 1.46,
            "  Duration: 00:00:03.04, start: 0.000000|[flv @ 0x5] Packet corrupt (stream = 0)", "", cutOff);
        row("extracted whole", "  Duration: 00:00:03.05, st~art: 0.000000\n", 3.05, "  Duration: 00:00:03.05, start: 0.000000", "");
        row("an hour, 2 % short", "  Duration: 01:00:00.00, start\n", 3528, "  Duration: 01:00:00.00, start", "");
        row("an hour, 3 % short", "  Duration: 01:00:00.00, start\n", 3492, "  Duration: 01:00:00.00, start", "",
            "Die Eingabe ist beschädigt oder unvollständig: 3492,0 s von 3600,0 s umgewandelt.");
        row("normalize-audio, error split", " a.wav   37% done\r~normalize-audio: err~or reading a.wav\n", 0,
            "normalize-audio: error reading a.wav", "error");
        row("lame's figures", "\r   100/116    (86%)|    0:00/    0:00|\n\x1b[K   kbps      %     %\x1b[K\n"
            "    Frame          |  CPU time/estim\n-------\nFrame#  2/116  256 kbps\nError writing out.mp3\n", 0,
            "Error writing out.mp3", "");
        row("ffmpeg, disk full", "size=  256kB time=00:00:01.48 bitrate=1411.2kbits/s speed= 296x\rout.wav: No sp~ace left on device\n",
            0, "out.wav: No space left on device", "disk full");
        row("the last five", "1 a\n2 b\n3 c~\n4 d\n5 e\n6 f", 0, "2 b|3 c|4 d|5 e|6 f", "");
        row("a flood on one line", QString(100000, 'x') + "~" + QString(100000, 'y') + "\nend", 0, QString(400, 'x') + "|end", "");
        row("nothing but progress", " error.wav   37% done: errors.wav\r", 0, "", "");
    }
    void whatTheToolSaid()
    {
        QFETCH(QString, chunks);
        QFETCH(double, seconds);
        QFETCH(QString, lines);
        QFETCH(QString, admitted);
        QFETCH(QString, warning);
        ToolMessages said({.failure = {": error "}, .damage = {"Packet corrupt", "hip: "}, .silence = {"zero power"}});
        for (const QString &chunk : chunks.split('~'))
            said.read(chunk);
        QTemporaryDir dir;
        if (seconds > 0)
            write(dir.filePath("out.wav"), wave(QByteArray(qRound(seconds * 44100) * 4, '\0')));
        QCOMPARE(said.lastLines().join('|'), lines);
        QCOMPARE(said.failureReported() ? "error" : said.diskFullReported() ? "disk full" : "", admitted);
        const RowEnd end = warningFor(said, seconds > 0 ? dir.filePath("out.wav") : QString());
        QCOMPARE(reasonFor(end), warning);
        QCOMPARE(isWarning(end), !warning.isEmpty());
    }

    // Where a batch is, as the progress bar's tooltip says it, after rows
    // of the given input sizes ended at the given times.
    void batchPosition_data()
    {
        QTest::addColumn<QList<qint64>>("bytes");    // each row's input
        QTest::addColumn<QList<qint64>>("endedAt");  // ms since the start, of the rows ended so far
        QTest::addColumn<qint64>("now");
        QTest::addColumn<double>("running");  // the running row's own fraction
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("text");
        const QList<qint64> tenAlike(10, 1000);
        QTest::newRow("first row running") << tenAlike << QList<qint64>{} << 60000ll << 0.5 << 0.05 << "Datei 1 von 10";
        QTest::newRow("the running row's time counts") << tenAlike << QList<qint64>{15000, 30000} << 40000ll << 0.5 << 0.25
                                                       << "Datei 3 von 10 – noch etwa 2 Minuten";
        // A big file left: the bytes, not the rows, say how long.
        QTest::newRow("paced by bytes") << QList<qint64>{100, 100, 9800} << QList<qint64>{1000, 2000} << 2000ll << 0.0
                                        << 2.0 / 3 << "Datei 3 von 3 – noch etwa 2 Minuten";
        QTest::newRow("empty inputs, paced by rows") << QList<qint64>{0, 0, 0, 0} << QList<qint64>{20000} << 20000ll << 0.0
                                                     << 0.25 << "Datei 2 von 4 – noch etwa eine Minute";
        QTest::newRow("seconds by tens") << tenAlike << QList<qint64>(9, 360000) << 360000ll << 0.0 << 0.9
                                         << "Datei 10 von 10 – noch etwa 40 Sekunden";
        QTest::newRow("hours") << QList<qint64>(100, 5) << QList<qint64>{200000} << 200000ll << 0.0 << 0.01
                               << "Datei 2 von 100 – noch etwa 6 Stunden";
    }
    void batchPosition()
    {
        QFETCH(QList<qint64>, bytes);
        QFETCH(QList<qint64>, endedAt);
        QFETCH(qint64, now);
        QFETCH(double, running);
        QFETCH(double, fraction);
        QFETCH(QString, text);
        BatchProgress progress(bytes);
        for (qint64 ms : endedAt)
            progress.rowEnded(ms);
        progress.setRunningFraction(running);
        QCOMPARE(progress.fraction(), fraction);
        QCOMPARE(batchPositionText(progress.rowsEnded() + 1, progress.rows(), progress.msLeft(now)), text);
    }

    // The notification's counts when no row ended "OK.", and the completion
    // box's names of failed files: five, then how many more.
    void completionTexts()
    {
        QCOMPARE(::outcomeCounts(0, 3), "3 FAIL!");
        QCOMPARE(::outcomeCounts(0, 0), "0 OK.");
        QCOMPARE(::someNames({"1", "2", "3", "4", "5", "6", "7"}), "1\n2\n3\n4\n5\nund 2 weitere");
    }
};

QTEST_GUILESS_MAIN(JobsTest)
#include "tst_jobs.moc"
