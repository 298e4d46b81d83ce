// The batch cycle's own cost, measured against a shell loop that runs the
// same command lines one after the other:
//   (a) 200 rows of a stub tool that exits at once: the overhead per file;
//   (b) 10 WAV files of 20 s encoded by the real lame;
//   (c) the longest stall of the event loop while a tool floods its standard error.
#include "../tests/support/choosers.h"
#include "../tests/support/dialogprobe.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

// Opens `names` on the decode or encode page and runs the batch to its end:
// milliseconds from the click to the completion box, and the command lines run.
double runBatch(QPushButton *openButton, QPushButton *start, const QString &folder,
                const QStringList &names)
{
    {
        ModalAnswer answer(pickFiles(folder, names));
        QTest::mouseClick(openButton, Qt::LeftButton);
    }
    // A real event loop, as the program runs: QTest's waiting sleeps between rounds.
    QEventLoop loop;
    QElapsedTimer timer;
    double millis = -1;
    ModalAnswer box([&](QWidget *modal) {
        millis = timer.nsecsElapsed() / 1e6;
        static_cast<QDialog *>(modal)->accept();
        loop.quit();
    });
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    timer.start();
    start->click();
    loop.exec();
    if (millis < 0)
        std::fprintf(stderr, "the batch did not complete\n");
    return millis;
}

// The same command lines, one after the other, from a shell.
double runShellLoop(const QStringList &commandLines)
{
    QTemporaryDir dir;
    write(dir.filePath("loop.sh"), commandLines.join('\n').toUtf8() + '\n');
    QProcess shell;
    QElapsedTimer timer;
    timer.start();
    shell.start("bash", {dir.filePath("loop.sh")});
    shell.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e6;
}

QString quoted(const QString &text)
{
    return "'" + QString(text).replace("'", "'\\''") + "'";
}

QStringList decodeLines(const QString &in, const QString &out, const QStringList &names)
{
    QStringList lines;
    for (const QString &name : names)
        lines << "lame --decode " + quoted(in + name) + " " + quoted(out + QFileInfo(name).completeBaseName() + ".wav");
    return lines;
}

QStringList encodeLines(const QString &in, const QString &out, const QStringList &names)
{
    QStringList lines;
    for (const QString &name : names)
        lines << "lame --preset cbr 256 " + quoted(in + name) + " " + quoted(out + QFileInfo(name).completeBaseName() + ".mp3");
    return lines;
}

void compare(const char *what, int files, std::vector<double> dialogRuns, std::vector<double> shellRuns)
{
    const double dialog = median(dialogRuns), shell = median(shellRuns);
    std::printf("%s: dialog %.1f ms, shell loop %.1f ms, ratio %.3f, %.2f ms added per file (medians of %zu)\n",
                what, dialog, shell, dialog / shell, (dialog - shell) / files, dialogRuns.size());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir(work.path()).mkpath("in");
    QDir(work.path()).mkpath("out");
    const QString in = work.filePath("in/"), out = work.filePath("out/");
    const QByteArray realPath = qgetenv("PATH");
    DialogProbe::pretendToolsInstalled();
    tonquirl dialog;
    dialog.show();

    // (a) the stub first on PATH, exiting at once
    QDir(work.path()).mkpath("stub");
    QFile::link(QStringLiteral(STUBTOOL_PATH), work.filePath("stub/lame"));
    qputenv("PATH", work.filePath("stub").toLocal8Bit() + ':' + realPath);
    QStringList names;
    for (int i = 0; i < 200; ++i) {
        names << QStringLiteral("track %1.mp3").arg(i, 3, 10, QChar('0'));
        write(in + names.last(), "");
    }
    dialog.mpSaveLineEdit->setText(out);
    std::vector<double> dialogRuns, shellRuns;
    for (int run = 0; run < 5; ++run) {
        dialogRuns.push_back(runBatch(dialog.mpOpenButton, dialog.mpConvertButton, in, names));
        shellRuns.push_back(runShellLoop(decodeLines(in, out, names)));
    }
    compare("(a) 200 rows, stub tool", 200, dialogRuns, shellRuns);

    {  // (c) a stub that writes about 5 MB/s of progress text for two seconds
    QByteArray flood;
    for (int i = 0; i < 100; ++i)
        flood += "flood 100000\nsleep 20\n";
    write(in + "flood.wav", flood);
    dialog.wavSaveLineEdit->setText(out);
    QFile::link(QStringLiteral(STUBTOOL_PATH), work.filePath("stub/normalize-audio"));
    {
        ModalAnswer answer(pickFiles(in, {"flood.wav"}));
        QTest::mouseClick(dialog.normOpenButton, Qt::LeftButton);
    }
    QElapsedTimer clock;
    qint64 last = 0, longest = 0, ticks = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
        ++ticks;
    });
    QEventLoop loop;
    ModalAnswer box([&](QWidget *modal) { static_cast<QDialog *>(modal)->accept(); loop.quit(); });
    clock.start();
    tick.start();
    dialog.normConvertButton->click();
    loop.exec();
    tick.stop();
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("(c) 10 MB of progress text in %.1f s: longest event-loop stall %.1f ms over %lld ticks of a 1 ms timer, bar at %d\n",
                seconds, longest / 1e6, ticks, dialog.normProgressBar->value());
    }

    // (b) the real lame
    qputenv("PATH", realPath);
    QStringList wavs;
    for (int i = 0; i < 10; ++i) {
        wavs << QStringLiteral("song %1.wav").arg(i);
        QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     QStringLiteral("sine=frequency=%1:duration=20").arg(220 + 40 * i),
                                     "-ac", "2", "-ar", "44100", in + wavs.last()});
    }
    dialogRuns.clear();
    shellRuns.clear();
    for (int run = 0; run < 3; ++run) {
        shellRuns.push_back(runShellLoop(encodeLines(in, out, wavs)));
        dialogRuns.push_back(runBatch(dialog.wavOpenButton, dialog.wavConvertButton, in, wavs));
    }
    compare("(b) 10 WAVs of 20 s, real lame", 10, dialogRuns, shellRuns);
    return 0;
}
