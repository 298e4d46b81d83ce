// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchprogress.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The texts are the dialog's, and are translated with its own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(tonquirl)
};

// Rounded as people say it: near the end in seconds by tens, then minutes, then hours.
QString timeLeftText(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    if (seconds < 10)
        return Texts::tr("noch wenige Sekunden");
    if (seconds < 60)
        return Texts::tr("noch etwa %1 Sekunden").arg((seconds + 5) / 10 * 10);
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes <= 1)
        return Texts::tr("noch etwa eine Minute");
    if (minutes < 90)
        return Texts::tr("noch etwa %1 Minuten").arg(minutes);
    return Texts::tr("noch etwa %1 Stunden").arg((minutes + 30) / 60);
}

} // namespace

BatchProgress::BatchProgress(QList<qint64> bytes)
    : inputBytes(std::move(bytes)), allBytes(std::accumulate(inputBytes.cbegin(), inputBytes.cend(), qint64(0)))
{
}

void BatchProgress::setRunningFraction(double fraction)
{
    // The batch never goes back, even where a tool's own figure does.
    runningFraction = std::max(runningFraction, std::clamp(fraction, 0.0, 1.0));
}

void BatchProgress::rowEnded(qint64 msSinceStart)
{
    if (ended >= rows())
        return;
    bytesEnded += inputBytes[ended];
    ++ended;
    runningFraction = 0;
    msAtLastEnd = msSinceStart;
}

double BatchProgress::fraction() const
{
    if (rows() == 0)
        return 0;
    return std::min(1.0, (ended + (ended < rows() ? runningFraction : 0)) / rows());
}

std::optional<qint64> BatchProgress::msLeft(qint64 msSinceStart) const
{
    if (ended == 0)
        return std::nullopt;
    if (ended >= rows())
        return 0;
    // Inputs that are all empty (or unknown) are paced by rows instead.
    const double done = bytesEnded > 0 ? double(bytesEnded) : double(ended);
    const double left = bytesEnded > 0 ? double(allBytes - bytesEnded) : double(rows() - ended);
    const double msPerUnit = double(msAtLastEnd) / done;
    // The running row's time so far is part of what is left for it.
    const double runningSoFar = double(msSinceStart - msAtLastEnd);
    return qint64(std::max(0.0, std::round(left * msPerUnit - runningSoFar)));
}

QString batchPositionText(int row, int rows, std::optional<qint64> msLeft)
{
    const QString position = Texts::tr("Datei %1 von %2").arg(row).arg(rows);
    return msLeft ? position + QStringLiteral(" – ") + timeLeftText(*msLeft) : position;
}
