// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>

// How far a batch has come and about how long it has left. The time left is
// paced by the bytes of the inputs done so far against the time they took,
// so a long file late in the list counts for what it is.
class BatchProgress
{
public:
    explicit BatchProgress(QList<qint64> inputBytes = {});

    int rows() const { return int(inputBytes.size()); }
    int rowsEnded() const { return ended; }

    // The running row's own fraction, 0..1, from its progress bar; the
    // highest so far counts.
    void setRunningFraction(double fraction);
    // The running row ended (in any way), `msSinceStart` after the batch began.
    void rowEnded(qint64 msSinceStart);

    // Rows ended plus the running row's fraction, over all rows: 0..1.
    double fraction() const;
    // Nothing until the first row has ended.
    std::optional<qint64> msLeft(qint64 msSinceStart) const;

private:
    QList<qint64> inputBytes;
    qint64 allBytes = 0;
    qint64 bytesEnded = 0;
    int ended = 0;
    double runningFraction = 0;
    qint64 msAtLastEnd = 0;
};

// "Datei 3 von 10", and once there is an estimate " – noch etwa 2 Minuten".
// `row` counts from 1.
QString batchPositionText(int row, int rows, std::optional<qint64> msLeft);
