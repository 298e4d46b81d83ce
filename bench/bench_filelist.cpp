// SPDX-License-Identifier: GPL-3.0-or-later
// Listing many files, as the program does it, each step timed on its own
// (the window answers nothing while a step runs):
//   (a) 10,000 picked names sorted and listed in a page's table, as Open does;
//   (b) files named on the command line, from 1,000 to 100,000;
//   (c) a folder of 30,000 files dragged onto the window and dropped;
//   (d) a batch of 30,000 files started and stopped, with a stub tool.
#include "../tests/support/testkit.h"

#include "listingorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The longest the event loop went without turning, as a window that does
// not answer the desktop's pings: a 1 ms timer's largest gap while it runs.
class FreezeWatch
{
public:
    FreezeWatch()
    {
        last.start();
        timer.callOnTimeout([this] { longest = std::max(longest, msSince(last)), last.start(); });
        timer.start(1);
    }
    double longestMs() { return std::max(longest, msSince(last)); }

private:
    QTimer timer;
    QElapsedTimer last;
    double longest = 0;
};

// `count` WAV files in a new folder of `work`, named as recorders name them,
// empty or holding `content`.
QByteArrayList makeFiles(const QTemporaryDir &work, const QString &name, int count, const QByteArray &content = {})
{
    const QByteArray folder = QFile::encodeName(work.filePath(name)) + '/';
    QDir().mkpath(QFile::decodeName(folder));
    QByteArrayList paths;
    for (int i = 0; i < count; ++i) {
        paths << folder + QByteArray::number(QRandomGenerator::global()->bounded(100000)) + " Track " + QByteArray::number(i) + ".wav";
        const int fd = ::open(paths.last().constData(), O_CREAT | O_WRONLY, 0644);
        [[maybe_unused]] const ssize_t written = ::write(fd, content.constData(), content.size());
        ::close(fd);
    }
    return paths;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DialogProbe::pretendToolsInstalled();
    tonquirl dialog;
    dialog.show();
    QCoreApplication::processEvents();

    const int count = 10000;
    QStringList picked;
    QRandomGenerator random(42);
    for (int i = 0; i < count; ++i)
        picked << QStringLiteral("/data/rec/%1 Track %2.wav").arg(random.generate() % 100000).arg(i);
    std::vector<double> millis;
    for (int run = 0; run < 7; ++run) {
        QStringList paths = picked;
        QElapsedTimer timer;
        timer.start();
        sortForListing(paths);
        DialogProbe::listPicked(dialog, Encode, paths);
        QCoreApplication::processEvents();  // the table draws itself anew
        millis.push_back(msSince(timer));
    }
    std::sort(millis.begin(), millis.end());
    std::printf("(a) filling a table with %d picked names, 7 runs: median %.1f ms, slowest %.1f ms (%d rows)\n",
                count, millis[millis.size() / 2], millis.back(), dialog.wavTableWidget->rowCount());

    QTemporaryDir work;
    const QList<int> sizes = argc > 1 ? QList<int>{QByteArray(argv[1]).toInt()} : QList<int>{1000, 10000, 30000, 100000};
    for (int size : sizes) {
        const QByteArrayList files = makeFiles(work, QString::number(size), size);
        QElapsedTimer timer;
        timer.start();
        FreezeWatch freeze;
        dialog.listFilesNamed(files);
        const double listed = msSince(timer);
        QCoreApplication::processEvents();
        std::printf("(b) %6d names on the command line: listed in %.1f ms, drawn; the longest freeze %.1f ms (%d rows)\n",
                    size, listed, freeze.longestMs(), dialog.wavTableWidget->rowCount());
    }

    // The drag carries the folder as a file manager does; Shift asks for no move.
    const QByteArrayList folderFiles = makeFiles(work, "dropped", 30000);
    QMimeData carried;
    carried.setUrls({QUrl::fromLocalFile(QFileInfo(QFile::decodeName(folderFiles.first())).path())});
    QElapsedTimer timer;
    timer.start();
    FreezeWatch freeze;
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &carried, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
    const double entering = msSince(timer);
    timer.start();
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &carried, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &drop);
    const double dropping = msSince(timer);
    timer.start();
    QCoreApplication::processEvents();  // the files are listed once the drop is over
    std::printf("(c) a folder of 30000 files: %s on entering after %.1f ms, dropped in %.1f ms, listed in %.1f ms; "
                "the longest freeze %.1f ms (%d rows)\n", enter.isAccepted() ? "taken" : "REFUSED", entering, dropping,
                msSince(timer), freeze.longestMs(), dialog.wavTableWidget->rowCount());

    // A batch of 30,000 WAVs whose stub tool waits: started, then stopped.
    StubTools stubs;
    const QByteArrayList wavs = makeFiles(work, "batch", 30000, wave("\nsleep 60000\n\n\n\n"));
    dialog.listFilesNamed(wavs);
    dialog.wavSaveLineEdit->setText(work.filePath("out/"));
    QDir().mkpath(work.filePath("out"));
    const JobPage &encode = DialogProbe::page(dialog, Encode);
    QElapsedTimer started;
    started.start();
    FreezeWatch starting;
    encode.startButton->click();
    (void)QTest::qWaitFor([&] { return encode.process->state() == QProcess::Running; }, 60000);
    const double startMs = msSince(started), startFreeze = starting.longestMs();
    QElapsedTimer stopped;
    stopped.start();
    FreezeWatch stopping;
    encode.startButton->click();
    (void)QTest::qWaitFor([&] { return !encode.startButton->isEnabled(); }, 60000);
    std::printf("(d) a batch of 30000 files: the first tool ran after %.1f ms, the longest freeze %.1f ms; "
                "stopped in %.1f ms, the longest freeze %.1f ms\n", startMs, startFreeze, msSince(stopped),
                stopping.longestMs());

    // The same batch again, its outputs there now and skipped: 30,000 rows refused in a row.
    for (const QByteArray &wav : wavs)
        write(work.filePath("out/") + QFileInfo(QFile::decodeName(wav)).completeBaseName() + ".mp3", "encoded earlier");
    dialog.listFilesNamed(wavs);
    QElapsedTimer skipped;
    skipped.start();
    FreezeWatch skipping;
    {
        ModalAnswers skip([](QWidget *modal) { press(modal, QString::fromUtf8("Überspringen")) || modal->close(); });
        encode.startButton->click();
        (void)waitForEnd(encode);
    }
    std::printf("(e) the same batch, every output there and skipped: ended after %.1f ms, the longest freeze %.1f ms\n",
                msSince(skipped), skipping.longestMs());
    return 0;
}
