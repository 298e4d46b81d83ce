// SPDX-License-Identifier: GPL-3.0-or-later
// A batch as a user runs it: the dialog on a real display, 100 WAVs of
// 0.2 s encoded by the real lame, against a shell loop of the same command
// lines; then batches of 10 WAVs of 20 s, whose bar moves for a while. Run
// by bench/run-end-to-end, which starts a display, a session bus and the
// accessibility bus with a listener, as for a screen-reader user; each
// batch's start and end go to $BENCH_BATCHES for the listener to tell
// what it heard of each kind of batch.
#include "benchkit.h"

#include <QtMath>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

// A tone of `frames` frames, 16-bit stereo at 44100 Hz.
QByteArray tone(int hertz, int frames)
{
    QByteArray samples;
    for (int frame = 0; frame < frames; ++frame) {
        const auto value = qint16(8000 * qSin(2 * M_PI * hertz * frame / 44100.0));
        for (int channel = 0; channel < 2; ++channel)
            samples += char(value & 0xff), samples += char(value >> 8);
    }
    return samples;
}

// CPU time of the program itself (all its threads, not the tools), in ms.
double ownCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Seconds on the clock Python's time.monotonic() reads.
double monotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Runs the batch and notes its start, end and rows in the file the listener reads.
double runNotedBatch(tonquirl &dialog, const QStringList &wavs, const char *kind)
{
    double start = 0, end = 0;
    const double millis = runBatch(
        dialog, Encode, wavs, [&] { start = monotonicSeconds(); }, [&] { end = monotonicSeconds(); });
    if (FILE *noted = std::fopen(qgetenv("BENCH_BATCHES").constData(), "a")) {
        std::fprintf(noted, "%s %.3f %.3f %lld\n", kind, start, end, static_cast<long long>(wavs.size()));
        std::fclose(noted);
    }
    return millis;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = app.arguments().value(1, "5").toInt();
    QTemporaryDir work;
    const QString in = work.filePath("in/"), out = work.filePath("out/");
    QDir().mkpath(in);
    qputenv("PATH", "/usr/bin:/bin");
    tonquirl dialog;
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        qFatal("the dialog was not shown");
    dialog.tabWidget->setCurrentIndex(Encode);

    QStringList wavs;
    QList<QStringList> encodings;
    for (int i = 0; i < 100; ++i) {
        wavs << in + QStringLiteral("%1 take.wav").arg(i, 3, 10, QChar('0'));
        write(wavs.last(), wave(tone(220 + 4 * i, 8820)));
        encodings.append({"--preset", "cbr", "256", wavs.last(), out + QFileInfo(wavs.last()).completeBaseName() + ".mp3"});
    }
    dialog.wavSaveLineEdit->setText(out);
    const auto freshOut = [&] { QDir(out).removeRecursively(), QDir().mkpath(out); };
    std::vector<double> batch, shell, alone, cpu;
    for (int run = 0; run < runs; ++run) {
        freshOut();
        shell.push_back(runShellLoop("lame", encodings));
        freshOut();
        alone.push_back(runProcessesAlone("lame", encodings));
        freshOut();
        const double cpuBefore = ownCpuMs();
        batch.push_back(runNotedBatch(dialog, wavs, "short"));
        cpu.push_back(ownCpuMs() - cpuBefore);
        std::printf("run %d: the batch %.1f ms (the program's own CPU %.1f ms), QProcess alone %.1f ms, shell loop %.1f ms,"
                    " ratio %.3f\n", run + 1, batch.back(), cpu.back(), alone.back(), shell.back(), batch.back() / shell.back());
    }
    std::printf("100 WAVs of 0.2 s, real lame, medians of %d: the batch %.1f ms, QProcess alone %.1f ms, shell loop"
                " %.1f ms; ratio %.3f, %.2f ms more per row than the shell, %.2f ms more than QProcess alone;"
                " the program's own CPU %.2f ms per row\n",
                runs, median(batch), median(alone), median(shell), median(batch) / median(shell),
                (median(batch) - median(shell)) / 100, (median(batch) - median(alone)) / 100, median(cpu) / 100);

    QStringList longWavs;
    for (int i = 0; i < 10; ++i) {
        longWavs << in + QStringLiteral("long %1.wav").arg(i);
        write(longWavs.last(), wave(tone(330 + 10 * i, 20 * 44100)));
    }
    std::vector<double> longBatch;
    for (int run = 0; run < runs; ++run) {
        freshOut();
        longBatch.push_back(runNotedBatch(dialog, longWavs, "long"));
    }
    std::printf("10 WAVs of 20 s, real lame, median of %d: the batch %.1f ms\n", runs, median(longBatch));
    return 0;
}
