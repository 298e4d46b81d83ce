// SPDX-License-Identifier: GPL-3.0-or-later
// The batch cycle's cost, run on the program's own dialog:
//   (a) 200 rows of a stub tool that exits at once, against QProcess alone
//       running the same tool on the same files, and a shell loop doing so:
//       what the cycle itself adds per file; decoding, then normalizing;
//   (b) 10 WAV files of 20 s encoded by the real lame, against a shell loop;
//   (c) the longest stall of the event loop while a tool floods its standard error.
// `bench_jobs a` runs (a) alone, for profiling.
#include "benchkit.h"

#include <QStandardPaths>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    const QString in = work.filePath("in/"), out = work.filePath("out/");
    QDir().mkpath(in);
    DialogProbe::pretendToolsInstalled();
    tonquirl dialog;
    dialog.show();
    StubTools stubs;
    qunsetenv("STUB_LOG");

    // (a) 200 rows decoded by the stub, each run into a fresh folder: a batch writes new files.
    QStringList mp3s;
    QList<QStringList> decodings;
    for (int i = 0; i < 200; ++i) {
        mp3s << in + QStringLiteral("track %1.mp3").arg(i, 3, 10, QChar('0'));
        write(mp3s.last(), "");
        decodings.append({"--decode", mp3s.last(), out + QFileInfo(mp3s.last()).completeBaseName() + ".wav"});
    }
    dialog.mpSaveLineEdit->setText(out);
    const QString stubLame = QStandardPaths::findExecutable("lame");
    const auto freshOut = [&] { QDir(out).removeRecursively(), QDir().mkpath(out); };
    std::vector<double> batch, alone, shell;
    for (int run = 0; run < 5; ++run) {
        freshOut();
        batch.push_back(runBatch(dialog, Decode, mp3s) / 200);
        freshOut();
        alone.push_back(runProcessesAlone(stubLame, decodings) / 200);
        freshOut();
        shell.push_back(runShellLoop(stubLame, decodings) / 200);
    }
    std::printf("(a) per row, medians of 5 runs of 200: QProcess alone %.2f ms, shell loop %.2f ms, the batch %.2f ms:"
                " the cycle's own cost %.2f ms\n", median(alone), median(shell), median(batch), median(batch) - median(alone));

    // (a) once more on the Normalize page: a WAV rewritten in place is checked
    // before and after the tool, its original kept under a link meanwhile; in
    // a folder that holds 20 other files, and in one that holds 20,000.
    const QString stubNormalize = QStandardPaths::findExecutable("normalize-audio");
    for (int others : {20, 20000}) {
        const QString folder = work.filePath(QStringLiteral("normalize %1/").arg(others));
        QDir().mkpath(folder);
        for (int i = 0; i < others; ++i)
            write(folder + QStringLiteral("other %1.txt").arg(i), "");
        QStringList takes;
        QList<QStringList> normalizings;
        for (int i = 0; i < 200; ++i) {
            takes << folder + QStringLiteral("take %1.wav").arg(i, 3, 10, QChar('0'));
            write(takes.last(), wave(QByteArray(400, '\0')));
            normalizings.append({takes.last()});
        }
        batch.clear();
        alone.clear();
        for (int run = 0; run < 5; ++run) {
            batch.push_back(runBatch(dialog, Normalize, takes) / 200);
            alone.push_back(runProcessesAlone(stubNormalize, normalizings) / 200);
        }
        std::printf("(a) Normalize among %d other files, per row, medians of 5 runs of 200: QProcess alone %.2f ms,"
                    " the batch %.2f ms: the cycle's own cost %.2f ms\n",
                    others, median(alone), median(batch), median(batch) - median(alone));
    }
    if (app.arguments().contains("a"))
        return 0;

    // (c) a stub that writes about 5 MB/s of progress text for two seconds
    QByteArray progress;
    for (int percent = 0; progress.size() < 100000; percent = (percent + 1) % 100)
        progress += "\r   " + QByteArray::number(percent) + "/100    (" + QByteArray::number(percent) + "%)| ";
    write(in + "flood.wav", wave("\n" + ("err " + progress + "\nsleep 20\n").repeated(100)));
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.nsecsElapsed() - last);
        last = clock.nsecsElapsed();
    });
    clock.start();
    tick.start(1);
    const double flooded = runBatch(dialog, Normalize, {in + "flood.wav"});
    std::printf("(c) 10 MB of progress text in %.1f s: longest event-loop stall %.1f ms\n", flooded / 1000, longest / 1e6);
    tick.stop();

    // (b) the real lame
    stubs.leaveOnlyOnPath(QString());
    qputenv("PATH", "/usr/bin:/bin");
    QStringList wavs;
    QList<QStringList> encodings;
    for (int i = 0; i < 10; ++i) {
        wavs << in + QStringLiteral("song %1.wav").arg(i);
        QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     QStringLiteral("sine=frequency=%1:duration=20").arg(220 + 40 * i), "-ac", "2",
                                     "-ar", "44100", wavs.last()});
        encodings.append({"--preset", "cbr", "256", wavs.last(), out + QStringLiteral("song %1.mp3").arg(i)});
    }
    dialog.wavSaveLineEdit->setText(out);
    batch.clear();
    shell.clear();
    for (int run = 0; run < 3; ++run) {
        freshOut();
        shell.push_back(runShellLoop("lame", encodings));
        freshOut();
        batch.push_back(runBatch(dialog, Encode, wavs));
    }
    std::printf("(b) 10 WAVs of 20 s, real lame, medians of 3: the batch %.1f ms, shell loop %.1f ms, ratio %.3f\n",
                median(batch), median(shell), median(batch) / median(shell));
    return 0;
}
