// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchview.h"

#include "completion.h"
#include "desktopintegration.h"
#include "jobpage.h"
#include "quietprogressbar.h"

#include <QPushButton>
#include <QTableWidget>

namespace {

// How often what a person watches changes. The bar is painted 25 times a
// second at most, which looks as smooth, and the table as often. A batch of
// short files moves the marked row four times a second, not once a file:
// each move is a few events for every screen reader. Where the batch is and
// the time left change once a second.
constexpr int barIntervalMs = 40;
constexpr int rowIntervalMs = 250;
constexpr int positionIntervalMs = 1000;

} // namespace

BatchView::BatchView(DesktopIntegration &desktop)
    : desktop(desktop), barRefresh(barIntervalMs, [this] { showPendingPercent(); }),
      tableRefresh(barIntervalMs, [this] { repaintTable(); }), rowRefresh(rowIntervalMs, [this] { showRunningRow(); }),
      positionRefresh(positionIntervalMs, [this] { showPosition(); })
{
}

void BatchView::started(const JobPage &batchPage, const QList<qint64> &inputBytes)
{
    page = &batchPage;
    progress = BatchProgress(inputBytes);
    pendingPercent = -1;
    clock.start();
    desktop.showProgress(0);
}

void BatchView::rowStarted(int running, int all)
{
    row = running;
    rows = all;
    rowRefresh.request();
}

void BatchView::percentRead(int percent)
{
    if (percent >= 0 && percent <= 100)  // the bar passes over values beyond 0..100
        pendingPercent = percent;
    barRefresh.request();
    progress.setRunningFraction(percent / 100.0);
    desktop.showProgress(progress.fraction());
    positionRefresh.request();
}

void BatchView::rowEnded(bool batchGoesOn)
{
    tableChanged();
    progress.rowEnded(clock.elapsed());
    if (batchGoesOn)
        desktop.showProgress(progress.fraction());
}

void BatchView::ended(bool completed)
{
    barRefresh.flush();
    page->progressBar->tellNow();
    tableRefresh.flush();
    rowRefresh.cancel();
    positionRefresh.cancel();
    if (completed)
        desktop.showProgress(1);
    desktop.hideProgress();
    page->progressBar->setToolTip(QString());
    page->startButton->setAccessibleDescription(QString());
    // Before the start button goes off, which would send the focus on. A
    // completed batch's box comes first: a focus that moves in the window
    // behind it as it opens can make a screen reader drop the box's message.
    if (completed)
        page->startButton->clearFocus();
    else
        focusRowToLookAt(page->table);
    page = nullptr;
}

void BatchView::abandoned()
{
    tableRefresh.flush();
    page = nullptr;
}

// A status written, a row marked or the table scrolled soon after the last
// repaint is painted with what else changes meanwhile, at the end of the
// interval, not on its own. Between such bursts the table paints as ever.
void BatchView::tableChanged()
{
    if (!tableRefresh.request())
        page->table->viewport()->setUpdatesEnabled(false);  // until repaintTable()
}

void BatchView::repaintTable()
{
    if (page)
        page->table->viewport()->setUpdatesEnabled(true);  // which repaints what changed
}

void BatchView::showPendingPercent()
{
    if (page && pendingPercent >= 0)
        page->progressBar->showPercent(pendingPercent);
    pendingPercent = -1;
}

// Marks the running row and brings it into view. A row below the view comes
// to its top, with the rows to come under it: the table scrolls once a page,
// not on every row. The row becomes the current one only when the table has
// the keyboard focus: a table tells a screen reader that its current cell
// has the focus, which would pull the reader away from wherever the user is.
void BatchView::showRunningRow()
{
    if (!page)
        return;
    QTableWidget *table = page->table;
    QTableWidgetItem *item = table->item(row, 0);
    if (!table->viewport()->rect().contains(table->visualItemRect(item)))
        table->scrollToItem(item, QAbstractItemView::PositionAtTop);
    const auto mark = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    if (table->hasFocus())
        table->setCurrentItem(item, mark);
    else
        table->selectionModel()->select(table->indexFromItem(item), mark);
    tableChanged();
    positionRefresh.request();
}

// The bar's tooltip for the eye, the "Stop" button's description for a
// screen reader, which reads it where the focus is, and tells of each change.
void BatchView::showPosition()
{
    if (!page)
        return;
    const QString position = batchPositionText(row + 1, rows, progress.msLeft(clock.elapsed()));
    if (position == page->progressBar->toolTip())
        return;
    page->progressBar->setToolTip(position);
    page->startButton->setAccessibleDescription(position);
}
