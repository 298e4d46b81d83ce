// Filling a page's table from 10,000 picked names: the sort and the listing
// that follow the file chooser.
#include "jobtable.h"
#include "tonquirl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
        const double sorted = timer.nsecsElapsed() / 1e6;
        QStringList names;
        for (auto path = paths.crbegin(); path != paths.crend(); ++path)
            names << path->mid(10);
        const double named = timer.nsecsElapsed() / 1e6;
        listFiles(dialog.wavTableWidget, names);
        const double listed = timer.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();  // the table draws itself anew
        std::printf("sort %.1f names %.1f list %.1f draw %.1f\n", sorted, named - sorted, listed - named, timer.nsecsElapsed() / 1e6 - listed);
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    std::printf("filling a table with %d picked names, 7 runs: median %.1f ms, slowest %.1f ms (%d rows)\n",
                count, millis[millis.size() / 2], millis.back(), dialog.wavTableWidget->rowCount());
    return 0;
}
