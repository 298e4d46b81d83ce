// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batchprogress.h"
#include "throttle.h"

#include <QElapsedTimer>
#include <QList>

class DesktopIntegration;
struct JobPage;

// What a person watches of a running batch, told by the batch cycle what
// happens: the progress bar, the running row marked and in view, where the
// batch is and about how long it has left (the bar's tooltip, and the
// "Stop" button's description for a screen reader), the taskbar entry's
// progress, and the table's repaints. None of it needs to change faster
// than a person can look: the bar is painted at most 25 times a second and
// tells a screen reader its value four times a second, the mark moves at
// most four times a second, the position and the time left change once a
// second, and statuses written in quick succession are painted together.
class BatchView
{
public:
    explicit BatchView(DesktopIntegration &desktop);

    void started(const JobPage &page, const QList<qint64> &inputBytes);
    void rowStarted(int row, int rows);
    void percentRead(int percent);  // of the running file, as the tool wrote it
    void rowEnded(bool batchGoesOn);
    // The batch ended, `completed` or not: what is pending is shown and the
    // time left goes. A stopped batch's focus goes to the row to look at; a
    // completed one's leaves the start button, to go there after the box.
    void ended(bool completed);
    // The program or the window is going away.
    void abandoned();

private:
    void tableChanged();
    void repaintTable();
    void showPendingPercent();
    void showRunningRow();
    void showPosition();

    DesktopIntegration &desktop;
    const JobPage *page = nullptr;  // while a batch runs
    int row = 0;
    int rows = 0;
    BatchProgress progress;
    QElapsedTimer clock;
    int pendingPercent = -1;  // read, not yet on the bar
    Throttle barRefresh;
    Throttle tableRefresh;
    Throttle rowRefresh;
    Throttle positionRefresh;
};
