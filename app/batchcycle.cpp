// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchcycle.h"

#include "desktopintegration.h"
#include "filesthere.h"
#include "stayawake.h"
#include "jobtable.h"
#include "outcome.h"
#include "audiofiles.h"
#include "commandlines.h"
#include "outputfiles.h"
#include "rowpaths.h"
#include "screenreader.h"
#include "toolenvironment.h"
#include "warnings.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QString stopLabel = QStringLiteral("Stop");
constexpr int stopGraceMs = 3000;
// How often what a person watches changes. The bar repaints itself at once
// on every new value, and a screen reader hears of each; 25 values a second
// look as smooth, and the table repaints as often. A batch of short files
// moves the marked row ten times a second, not once a file. The time left
// changes once a second.
constexpr int barIntervalMs = 40;
constexpr int rowIntervalMs = 100;
constexpr int positionIntervalMs = 1000;

// The kernel ends the tool when the program dies, even by SIGKILL, which
// leaves no chance to end it in an orderly way.
void endWithTheProgram(QProcess *process)
{
    const pid_t program = getpid();
    process->setChildProcessModifier([program] {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != program)  // the program died before the line above
            _exit(127);
    });
}

} // namespace

BatchCycle::BatchCycle(QDialog &dialog, int &fileCount, int &currentRow, DesktopIntegration &desktop,
                       StayAwake &awake)
    : dialog(dialog), desktop(desktop), awake(awake), fileCount(fileCount), currentRow(currentRow),
      barRefresh(barIntervalMs, [this] { showPendingPercent(); }),
      tableRefresh(barIntervalMs, [this] { repaintTable(); }),
      rowRefresh(rowIntervalMs, [this] { showRunningRow(); }),
      positionRefresh(positionIntervalMs, [this] { showBatchPosition(); })
{
    stopDeadline.setSingleShot(true);
    stopDeadline.setInterval(stopGraceMs);
    stopDeadline.callOnTimeout([this] {
        if (runningPage)
            runningPage->process->kill();
        row.killed = true;
    });
}

BatchCycle::~BatchCycle()
{
    abandon();
}

void BatchCycle::attach(QTabWidget *tabWidget, std::array<JobPage, 4> jobPages)
{
    tabs = tabWidget;
    pages = std::move(jobPages);
    for (const JobPage &page : pages) {
        startLabels[page.kind] = page.startButton->text();
        endWithTheProgram(page.process);
    }
    // A locked tab is off for the mouse and the keys, but a screen reader's
    // press on it switches pages all the same: while a batch runs, its page
    // stays the current one whatever asked for another.
    QObject::connect(tabs, &QTabWidget::currentChanged, &dialog, [this](int index) {
        if (runningPage && index != runningPage->kind)
            tabs->setCurrentIndex(runningPage->kind);
    });
}

void BatchCycle::keepTabDisabled(int tab)
{
    tabsWithoutTool.insert(tab);
}

void BatchCycle::startOrStop(JobKind kind)
{
    const JobPage &page = pages[kind];
    if (state == State::Idle)
        startBatch(page);
    else if (runningPage == &page)
        requestStop(page);
}

void BatchCycle::startBatch(const JobPage &page)
{
    if (page.table->rowCount() == 0)
        return;
    // A click always starts at the top, whatever another page's batch left behind.
    currentRow = 0;
    protectedFiles.clear();
    if (page.outputSuffix) {
        // Every file the user listed is one to read, on this page or another.
        for (const JobPage &listing : pages) {
            for (int row = 0; row < listing.table->rowCount(); ++row)
                protectedFiles.insert(fileIdentity(rowFiles(listing, row).input), tabs->tabText(listing.kind));
        }
    }
    if (!askAboutOutputsThere(page))
        return;
    toolEnvironment = withUtf8CharacterType(QProcessEnvironment::systemEnvironment());
    QList<qint64> inputBytes;
    for (int row = 0; row < page.table->rowCount(); ++row)
        inputBytes << QFileInfo(rowFiles(page, row).input).size();
    progress = BatchProgress(inputBytes);
    pendingPercent = -1;
    batchClock.start();
    desktop.showProgress(0);
    awake.batchStarted(page.table->rowCount());
    lockOtherControls(page, true);
    runRows(page);
}

// Outputs that would replace files there, listed on no page (those rows
// fail anyway), are the user's to give up: false when the batch is not to start.
bool BatchCycle::askAboutOutputsThere(const JobPage &page)
{
    skippedOutputs.clear();
    if (!page.outputSuffix)
        return true;
    QStringList there;
    for (int row = 0; row < page.table->rowCount(); ++row) {
        const QString output = rowFiles(page, row).output;
        if (QFileInfo::exists(output) && !protectedFiles.contains(fileIdentity(output))) {
            there << QFileInfo(output).fileName();
            skippedOutputs.insert(fileIdentity(output));
        }
    }
    if (there.isEmpty())
        return true;
    const FilesThere choice = askAboutFilesThere(&dialog, there);
    if (choice != FilesThere::Skip)
        skippedOutputs.clear();
    return choice != FilesThere::Cancel;
}

void BatchCycle::requestStop(const JobPage &page)
{
    state = State::Stopping;
    page.process->terminate();
    if (!stopDeadline.isActive())
        stopDeadline.start();
    for (int row = 0; row < fileCount; ++row) {
        if (!page.table->item(row, 1))
            setStatus(page.table, row, RowStatus::notRun, reasonFor({.kind = RowEnd::NotReached}));
    }
}

// Starts the tool on the current row. Rows that cannot run are marked and
// passed over here; a row whose tool runs ends in toolEnded().
void BatchCycle::runRows(const JobPage &page)
{
    for (;;) {
        fileCount = page.table->rowCount();
        if (const RowEnd refused = prepareRow(page); refused.kind != RowEnd::Done) {
            if (nextRowFollows(page, refused, true))
                continue;
            return;
        }
        RowFiles toolFiles = row.files;
        toolFiles.output = row.temporaryOutput;
        row.commandLine = shellCommand(page.program, page.arguments(row.files));  // as the user would run it
        rowRefresh.request();
        page.process->setProcessEnvironment(toolEnvironment);
        page.process->start(QLatin1String(page.program), page.arguments(toolFiles), QIODevice::ReadWrite);
        // A tool that cannot be started reports no end of its own, and would
        // fail the same way on every row.
        if (page.process->waitForStarted())
            return;
        removeLeftovers(page);
        row.commandLine.clear();
        nextRowFollows(page, {isOnSearchPath(page.program) ? RowEnd::NotExecutable : RowEnd::NotFound, page.program},
                       false);
        return;
    }
}

// Checks the row before its tool runs and gives the tool a temporary output.
// Done: the tool can run; otherwise why the row cannot.
RowEnd BatchCycle::prepareRow(const JobPage &page)
{
    state = State::Running;
    runningPage = &page;
    row = RunningRow{rowFiles(page, currentRow), QString(), QString(), QSet<QString>(), KeptOriginal(),
                     ToolMessages(page.admits)};
    if (!page.outputSuffix)
        row.files.input = realFile(row.files.input);  // a link stays a link
    const QFileInfo input(row.files.input);
    if (!input.exists() || !input.isReadable())
        return {input.exists() ? RowEnd::InputUnreadable : RowEnd::InputMissing};
    // The folder fields stay editable during a batch: check the row's own input as it is now.
    const QString target = page.outputSuffix ? fileIdentity(row.files.output) : QString();
    if (skippedOutputs.contains(target))
        return {.kind = RowEnd::AlreadyThere, .file = QFileInfo(target).fileName()};
    if (page.outputSuffix && (protectedFiles.contains(target) || target == fileIdentity(row.files.input))) {
        const QString listedOn = protectedFiles.value(target, tabs->tabText(page.kind));
        return {.kind = RowEnd::WouldOverwrite, .file = QFileInfo(target).fileName(), .listedOn = listedOn};
    }
    if (page.acceptsInput && !page.acceptsInput(row.files.input))
        return {page.inputRefusedAs, page.program};
    if (!page.outputSuffix) {
        row.original = KeptOriginal::keep(row.files.input);
        if (!row.original.allowsRun())
            return {kindOfFileError(row.original.error())};
    } else {
        protectedFiles.insert(target, QString());
        row.temporaryOutput = reserveTemporaryOutput(row.files.output);
        row.writtenAs = row.temporaryOutput;
        if (row.temporaryOutput.isEmpty())
            return {kindOfFileError(errno)};
    }
    if (page.toolTemporaries)
        row.temporariesBefore = page.toolTemporaries(QFileInfo(row.files.input).absolutePath());
    return {};
}

void BatchCycle::toolEnded(JobKind kind, int exitCode, QProcess::ExitStatus exitStatus)
{
    const JobPage &page = pages[kind];
    if (runningPage != &page)
        return;
    stopDeadline.stop();
    const bool stopRequested = state == State::Stopping;
    RowEnd end{RowEnd::Done, page.program, exitCode};
    if (exitStatus == QProcess::CrashExit)
        end.kind = RowEnd::Crashed;
    else if (row.messages.diskFullReported())
        end.kind = RowEnd::DiskFull;
    else if (exitCode != 0)
        end.kind = RowEnd::ExitCode;
    else if (row.messages.failureReported())
        end.kind = RowEnd::ErrorReported;
    else
        end = keepOutput(page);
    if (statusOf(end) != RowStatus::ok) {
        // Read before what the tool wrote is removed: no tool says so every time.
        if (end.kind != RowEnd::Crashed && diskIsFull(QFileInfo(page.outputSuffix ? row.files.output : row.files.input).absolutePath()))
            end.kind = RowEnd::DiskFull;
        removeLeftovers(page);
        // After "Stop" a run that still succeeded keeps its output; any other is stopped.
        if (stopRequested)
            end.kind = row.killed ? RowEnd::Killed : RowEnd::Stopped;
    }
    if (nextRowFollows(page, end, !stopRequested))
        runRows(page);
}

// Moves the output onto its final name when it is complete and holds audio,
// or lets the original of a file rewritten in place go when the file is
// whole. Done, or what is wrong with the output.
RowEnd BatchCycle::keepOutput(const JobPage &page)
{
    if (!page.outputSuffix) {
        if (!row.original.rewriteIsWhole())
            return {.kind = RowEnd::RewriteIncomplete, .putBack = row.original.isKept()};
        row.original.letGo();
        return warningFor(row.messages, QString());
    }
    if (page.outputHoldsAudio && !page.outputHoldsAudio(row.temporaryOutput))
        return {isCutShortWave(row.temporaryOutput) ? RowEnd::Incomplete : RowEnd::NoAudio};
    if (!moveIntoPlace(row.temporaryOutput, row.files.output))
        return {kindOfFileError(errno)};
    row.temporaryOutput.clear();
    return warningFor(row.messages, page.outputSuffix == QLatin1String(".wav") ? row.files.output : QString());
}

void BatchCycle::removeLeftovers(const JobPage &page)
{
    if (!row.temporaryOutput.isEmpty())
        QFile::remove(row.temporaryOutput);
    row.temporaryOutput.clear();
    row.original.putBack();
    if (page.toolTemporaries) {
        const QString folder = QFileInfo(row.files.input).absolutePath();
        for (const QString &name : page.toolTemporaries(folder) - row.temporariesBefore)
            QFile::remove(folder + QLatin1Char('/') + name);
    }
}

void BatchCycle::abandon()
{
    if (!runningPage)
        return;
    stopDeadline.stop();
    QProcess *process = runningPage->process;
    {
        const QSignalBlocker quiet(process);
        process->kill();
        process->waitForFinished(stopGraceMs);
    }
    removeLeftovers(*runningPage);
    awake.batchEnded();
    tableRefresh.flush();
    state = State::Idle;
    runningPage = nullptr;
}

void BatchCycle::readProgress(JobKind kind)
{
    const JobPage &page = pages[kind];
    const QString chunk = QString::fromLocal8Bit(page.process->readAllStandardError());
    if (runningPage == &page)
        row.messages.read(chunk);
    if (const std::optional<int> percent = page.progress(chunk)) {
        *page.lastPercent = *percent;
        if (runningPage != &page)
            return;
        if (*percent >= 0 && *percent <= 100)  // the bar passes over values beyond 0..100
            pendingPercent = *percent;
        barRefresh.request();
        progress.setRunningFraction(*percent / 100.0);
        desktop.showProgress(progress.fraction());
        positionRefresh.request();
    }
}

// A status written, a row marked or the table scrolled soon after the last
// repaint is painted with what else changes meanwhile, at the end of the
// interval, not on its own. Between such bursts the table paints as ever.
void BatchCycle::tableChanged()
{
    if (!tableRefresh.request())
        runningPage->table->viewport()->setUpdatesEnabled(false);  // until repaintTable()
}

void BatchCycle::repaintTable()
{
    if (runningPage)
        runningPage->table->viewport()->setUpdatesEnabled(true);  // which repaints what changed
}

void BatchCycle::showPendingPercent()
{
    if (runningPage && pendingPercent >= 0)
        runningPage->progressBar->setValue(pendingPercent);
    pendingPercent = -1;
}

// Marks the running row and brings it into view, and says in the bar's
// tooltip where the batch is. A row below the view comes to its top, with
// the rows to come under it: the table scrolls once a page, not on every
// row. The row becomes the current one only when the table has the
// keyboard focus: a table tells a screen reader that its current cell has
// the focus, which would pull the reader away from wherever the user is.
void BatchCycle::showRunningRow()
{
    if (!runningPage)
        return;
    QTableWidget *table = runningPage->table;
    QTableWidgetItem *item = table->item(currentRow, 0);
    if (!table->viewport()->rect().contains(table->visualItemRect(item)))
        table->scrollToItem(item, QAbstractItemView::PositionAtTop);
    const auto mark = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    if (table->hasFocus())
        table->setCurrentItem(item, mark);
    else
        table->selectionModel()->select(table->indexFromItem(item), mark);
    tableChanged();
    showBatchPosition();
}

// The bar's tooltip for the eye, the "Stop" button's description for a
// screen reader, which reads it where the focus is, and tells of each change.
void BatchCycle::showBatchPosition()
{
    if (!runningPage)
        return;
    QProgressBar *bar = runningPage->progressBar;
    const QString position = batchPositionText(currentRow + 1, fileCount, progress.msLeft(batchClock.elapsed()));
    if (position == bar->toolTip())
        return;
    bar->setToolTip(position);
    runningPage->startButton->setAccessibleDescription(position);
}

// Writes the row's status. True: the batch goes on with the next row, which
// is now the current one. Otherwise the batch has ended, and the page is
// unlocked; after its last row the batch is complete.
bool BatchCycle::nextRowFollows(const JobPage &page, const RowEnd &end, bool batchGoesOn)
{
    const QStringList toolLines = withRealName(row.messages.lastLines(), row.writtenAs, row.files.output);
    setStatus(page.table, currentRow, statusOf(end), reasonFor(end, toolLines), row.commandLine);
    tableChanged();
    progress.rowEnded(batchClock.elapsed());
    if (batchGoesOn && currentRow < fileCount - 1) {
        ++currentRow;
        desktop.showProgress(progress.fraction());
        return true;
    }
    barRefresh.flush();
    tableRefresh.flush();
    rowRefresh.cancel();
    positionRefresh.cancel();
    state = State::Idle;
    runningPage = nullptr;
    if (batchGoesOn)
        desktop.showProgress(1);
    desktop.hideProgress();
    awake.batchEnded();
    page.progressBar->setToolTip(QString());
    page.startButton->setAccessibleDescription(QString());
    lockOtherControls(page, false);
    showHowItEnded(page);  // before the start button goes off, which would send the focus on
    if (batchGoesOn)
        completeBatch(page);
    else
        page.startButton->setEnabled(false);
    return false;
}

// While a batch runs its start button reads "Stop", and its page's Open and
// Save buttons and the other pages are locked.
void BatchCycle::lockOtherControls(const JobPage &page, bool locked)
{
    page.startButton->setText(locked ? stopLabel : startLabels[page.kind]);
    if (locked)  // the focus leaves the button when the batch ends
        announceNewName(page.startButton);
    page.openButton->setEnabled(!locked);
    if (page.saveButton)
        page.saveButton->setEnabled(!locked);
    // The tabs only: disabling a page's widgets too, which nobody sees
    // behind their tab, would tell a screen reader of each one twice a batch.
    for (int tab = 0; tab < int(pages.size()); ++tab) {
        if (tab != page.kind)
            tabs->tabBar()->setTabEnabled(tab, !locked && !tabsWithoutTool.contains(tab));
    }
}

// The keyboard focus goes to the first row that did not end "OK.", or the
// first row, so that a screen reader says how the batch ended; it stays
// there when the completion box closes.
void BatchCycle::showHowItEnded(const JobPage &page)
{
    const int row = firstRowWithout(page.table, RowStatus::ok);
    page.table->setFocus(Qt::OtherFocusReason);
    page.table->setCurrentCell(row < 0 ? 0 : row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void BatchCycle::completeBatch(const JobPage &page)
{
    if (page.completionWork == CompletionWork::HandOverWavFiles)
        handOverWavFiles(page);
    page.startButton->setEnabled(false);
    if (page.completionWork == CompletionWork::FillProgressBar)
        page.progressBar->setValue(100);
    currentRow = 0;
    const int failed = rowsWithStatus(page.table, RowStatus::fail), warned = rowsWithWarning(page.table);
    const QString message = QCoreApplication::translate("tonquirl", page.completionMessage);  // the dialog's context
    desktop.batchCompleted(message, outcomeCounts(rowsWithStatus(page.table, RowStatus::ok), failed, warned));
    QApplication::beep();
    QStringList lines{message};
    if (failed > 0) {
        QStringList names;
        for (int row = 0; row < fileCount; ++row) {
            if (statusText(page.table, row) == RowStatus::fail)
                names << page.table->item(row, 0)->text();
        }
        lines << failureCount(failed, fileCount) << someNames(names);
    }
    if (warned > 0)
        lines << warningCount(warned);
    QMessageBox box(QMessageBox::Information, QStringLiteral("tonquirl"), lines.join(QLatin1Char('\n')),
                    QMessageBox::Ok, &dialog);
    box.setTextFormat(Qt::PlainText);  // a file's name is no markup
    box.exec();
}

// The WAV files written go on to the Normalize and wav -> mp3 pages, listed
// from the folder they were written to, ready to start. A file that failed
// is not handed over; when none was written the pages keep what they had.
void BatchCycle::handOverWavFiles(const JobPage &extraction)
{
    QStringList names;
    for (int row = 0; row < fileCount; ++row) {
        const QTableWidgetItem *status = extraction.table->item(row, 1);
        if (status && status->text() == RowStatus::ok)
            names << QFileInfo(rowFiles(extraction, row).output).fileName();
    }
    if (names.isEmpty())
        return;
    const QString folder = outputFolder(extraction.saveEdit->text(), rowFiles(extraction, 0).input);

    for (JobKind kind : {Normalize, Encode}) {
        listFiles(pages[kind].table, names);
        pages[kind].openEdit->setText(folder);
        pages[kind].startButton->setEnabled(true);
    }
    pages[Encode].saveEdit->setText(folder);
}

RowFiles BatchCycle::rowFiles(const JobPage &page, int row) const
{
    RowFiles files;
    files.name = page.table->item(row, 0)->text();
    files.input = joinFolder(page.openEdit->text(), files.name);
    if (page.outputSuffix)
        files.output = outputPath(page.saveEdit->text(), files.input, QLatin1String(page.outputSuffix));
    return files;
}
