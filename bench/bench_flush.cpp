// SPDX-License-Identifier: GPL-3.0-or-later
// What putting a row's result on the disk costs: 200 outputs of a short
// row's size (35 KB, a 0.2 s WAV) written and renamed onto their names, with
// and without the flush of the data before the rename and of the folder
// after it, in each folder named (by default one on this machine's disk, in
// the current folder, and one on a tmpfs, /dev/shm). The rows settle off the
// window's thread while the next tool runs; this is what they cost the disk.
#include "durablefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int rows = 200;

// Writes the outputs under temporary names and moves them onto their own: ms a row.
double writeAndMove(const QString &folder, bool durably)
{
    const QByteArray bytes(35 * 1024, '\x5a');
    QElapsedTimer clock;
    clock.start();
    for (int row = 0; row < rows; ++row) {
        const QString temporary = folder + QStringLiteral("/.tonquirl-%1.wav").arg(row);
        const QString output = folder + QStringLiteral("/%1.wav").arg(row);
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write in %s", qPrintable(folder));
        file.close();
        if (durably ? durableRename(temporary, output) != 0 : !QFile::rename(temporary, output))
            qFatal("cannot rename in %s", qPrintable(folder));
    }
    return double(clock.nsecsElapsed()) / 1e6 / rows;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList places = app.arguments().mid(1);
    if (places.isEmpty())
        places = {QDir::currentPath(), QStringLiteral("/dev/shm")};
    for (const QString &place : places) {
        std::vector<double> plain, durable;
        for (int round = 0; round < 5; ++round) {
            for (bool durably : {false, true}) {
                QTemporaryDir folder(place + QStringLiteral("/bench_flush-XXXXXX"));
                (durably ? durable : plain).push_back(writeAndMove(folder.path(), durably));
            }
        }
        std::printf("%s: %d outputs of 35 KB, medians of 5 rounds: written and renamed %.3f ms a row, with the"
                    " flushes %.3f ms: the flushes cost %.3f ms a row\n",
                    qPrintable(place), rows, median(plain), median(durable), median(durable) - median(plain));
    }
    return 0;
}
