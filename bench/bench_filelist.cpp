// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a page's table from 10,000 picked names: the sort and the listing
// that follow the file chooser, as the program's Open step does them.
#include "../tests/support/testkit.h"

#include "listingorder.h"

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
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    std::printf("filling a table with %d picked names, 7 runs: median %.1f ms, slowest %.1f ms (%d rows)\n",
                count, millis[millis.size() / 2], millis.back(), dialog.wavTableWidget->rowCount());
    return 0;
}
