// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchcycle.h"

#include "audiofiles.h"
#include "batchstart.h"
#include "commandlines.h"
#include "completion.h"
#include "durablefiles.h"
#include "filesthere.h"
#include "jobtable.h"
#include "leftovers.h"
#include "outcome.h"
#include "outputfiles.h"
#include "quietprogressbar.h"
#include "rowpaths.h"
#include "screenreader.h"
#include "stayawake.h"
#include "toolenvironment.h"
#include "turns.h"
#include "warnings.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <cerrno>
#include <memory>

namespace {

const QString stopLabel = QStringLiteral("Stop");
constexpr int stopGraceMs = 3000;

} // namespace

BatchCycle::BatchCycle(QDialog &dialog, int &fileCount, int &currentRow, DesktopIntegration &desktop,
                       StayAwake &awake)
    : dialog(dialog), desktop(desktop), awake(awake), view(desktop), fileCount(fileCount), currentRow(currentRow)
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
    knownTemporaries.clear();
    clearedFolders.clear();
    BatchStart start = lookBeforeStarting(page, pages, *tabs);
    protectedFiles = std::move(start.listedFiles);
    // Outputs that would replace files there, listed on no page (those rows
    // fail anyway), are the user's to give up.
    const FilesThere choice =
        start.outputsThere.isEmpty() ? FilesThere::Replace : askAboutFilesThere(&dialog, start.outputsThere);
    if (choice == FilesThere::Cancel)
        return;
    skippedOutputs = choice == FilesThere::Skip ? std::move(start.outputsThereAre) : QSet<QString>();
    toolEnvironment = withUtf8CharacterType(QProcessEnvironment::systemEnvironment());
    view.started(page, start.inputBytes);
    awake.batchStarted(page.table->rowCount());
    lockOtherControls(page, true);
    runRows(page);
}

void BatchCycle::requestStop(const JobPage &page)
{
    state = State::Stopping;
    page.process->terminate();
    if (!stopDeadline.isActive())
        stopDeadline.start();
    for (int row = 0; row < fileCount; ++row) {
        if (!page.table->item(row, 1) && !rowsSettling.contains(row))
            setStatus(page.table, row, RowStatus::notRun, reasonFor({.kind = RowEnd::NotReached}));
    }
}

// Starts the tool on the current row. Rows that cannot run are marked and
// passed over here; a row whose tool runs ends in toolEnded().
void BatchCycle::runRows(const JobPage &page)
{
    for (int refusedInTurn = 0;; ++refusedInTurn) {
        fileCount = page.table->rowCount();
        if (const RowEnd refused = prepareRow(page); refused.kind != RowEnd::Done) {
            if (!nextRowFollows(page, refused, true))
                return;
            // Thousands of rows refused in a row (outputs skipped) are passed over in turns.
            letTheWindowAnswerEvery(1024, refusedInTurn);
            continue;
        }
        RowFiles toolFiles = row.files;
        toolFiles.output = row.temporaryOutput.path();
        row.commandLine = shellCommand(page.program, page.arguments(row.files));  // as the user would run it
        view.rowStarted(currentRow, fileCount);
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
    row = RunningRow{rowFiles(page, currentRow), ClaimedFile(), QString(), QSet<QString>(), KeptOriginal(),
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
    const QString folder = QFileInfo(page.outputSuffix ? row.files.output : row.files.input).absolutePath();
    clearKilledRunsOnce(folder);
    if (page.toolTemporaries)
        row.temporariesBefore = temporariesIn(page, folder);
    if (!page.outputSuffix) {
        row.original = KeptOriginal::keep(row.files.input, row.temporariesBefore);
        if (!row.original.allowsRun())
            return {kindOfFileError(row.original.error())};
    } else {
        protectedFiles.insert(target, QString());
        row.temporaryOutput = ClaimedFile::createBeside(row.files.output);
        row.writtenAs = row.temporaryOutput.path();
        if (!row.temporaryOutput.exists())
            return {kindOfFileError(errno)};
    }
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
        end = checkOutput(page);
    const bool settles = statusOf(end) == RowStatus::ok;
    if (settles) {
        settle(page, end);
    } else {
        // Read before what the tool wrote is removed: no tool says so every time.
        const QString folder = QFileInfo(page.outputSuffix ? row.files.output : row.files.input).absolutePath();
        if (end.kind != RowEnd::Crashed && diskIsFull(folder))
            end.kind = RowEnd::DiskFull;
        removeLeftovers(page);
        // After "Stop" a run that still succeeded keeps its output; any other is stopped.
        if (stopRequested)
            end.kind = row.killed ? RowEnd::Killed : RowEnd::Stopped;
    }
    if (nextRowFollows(page, end, !stopRequested, settles))
        runRows(page);
}

// Whether the output is complete and holds audio, or the file rewritten in
// place is whole: Done (with a warning, maybe), or what is wrong with it.
RowEnd BatchCycle::checkOutput(const JobPage &page)
{
    if (!page.outputSuffix) {
        if (!row.original.rewriteIsWhole())
            return {.kind = RowEnd::RewriteIncomplete, .putBack = row.original.isKept()};
        return warningFor(row.messages, QString());
    }
    const QString written = row.temporaryOutput.path();
    if (page.outputHoldsAudio && !page.outputHoldsAudio(written))
        return {isCutShortWave(written) ? RowEnd::Incomplete : RowEnd::NoAudio};
    return warningFor(row.messages, page.outputSuffix == QLatin1String(".wav") ? written : QString());
}

// Puts the row's result on the disk, while the next row's tool runs: the
// output is flushed and moved onto its final name, or the rewritten file
// flushed before its original goes. The row's status is written when that
// is done, "OK." only if it succeeded.
void BatchCycle::settle(const JobPage &page, const RowEnd &end)
{
    struct Result {
        ClaimedFile temporaryOutput;
        QString output;
        KeptOriginal original;
    };
    const bool inPlace = !page.outputSuffix, originalKept = row.original.isKept();
    auto result = std::make_shared<Result>(Result{std::move(row.temporaryOutput), row.files.output, std::move(row.original)});
    const int settledRow = currentRow;
    const QStringList toolLines = withRealName(row.messages.lastLines(), row.writtenAs, row.files.output);
    rowsSettling.insert(settledRow);
    settling.run([result, inPlace] {
        if (inPlace)
            return result->original.letGo();
        const int error = durableRename(result->temporaryOutput.path(), result->output);
        if (error != 0)
            result->temporaryOutput.remove();
        return error;
    }, [this, &page, end, settledRow, toolLines, commandLine = row.commandLine, inPlace, originalKept](int error) {
        RowEnd settled = end;
        if (error != 0)
            settled = {.kind = kindOfFlushError(error), .putBack = inPlace && originalKept};
        setStatus(page.table, settledRow, statusOf(settled), reasonFor(settled, toolLines), commandLine);
        rowsSettling.remove(settledRow);
        if (endAwaitsSettling && !settling.busy())
            endBatch(page);
    });
}

void BatchCycle::removeLeftovers(const JobPage &page)
{
    row.temporaryOutput.remove();
    row.original.putBack();
    if (page.toolTemporaries) {
        // Only a row that failed or was stopped leaves one: the folder is read again only then.
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
    // Rows that ended well are on the disk before the program goes.
    settling.finishQuietly();
    rowsSettling.clear();
    endAwaitsSettling = false;
    awake.batchEnded();
    view.abandoned();
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
        if (runningPage == &page)
            view.percentRead(*percent);
    }
}

// Writes the row's status, unless it follows once the row's result is on
// the disk. True: the batch goes on with the next row, which is now the
// current one. Otherwise the batch ends, once every status is written.
bool BatchCycle::nextRowFollows(const JobPage &page, const RowEnd &end, bool batchGoesOn, bool statusFollows)
{
    if (!statusFollows) {
        const QStringList toolLines = withRealName(row.messages.lastLines(), row.writtenAs, row.files.output);
        setStatus(page.table, currentRow, statusOf(end), reasonFor(end, toolLines), row.commandLine);
    }
    const bool rowFollows = batchGoesOn && currentRow < fileCount - 1;
    view.rowEnded(rowFollows);
    if (rowFollows) {
        ++currentRow;
        return true;
    }
    batchCompleted = batchGoesOn;
    endAwaitsSettling = settling.busy();
    if (!endAwaitsSettling)
        endBatch(page);
    return false;
}

// The batch has ended, and every row's status is written: the page is
// unlocked, and after its last row the batch is complete.
void BatchCycle::endBatch(const JobPage &page)
{
    // "Stop" pressed while the last results were flushed must not kill the next batch's tool.
    stopDeadline.stop();
    endAwaitsSettling = false;
    state = State::Idle;
    runningPage = nullptr;
    awake.batchEnded();
    lockOtherControls(page, false);
    view.ended(batchCompleted);
    if (batchCompleted)
        completeBatch(page);
    else
        page.startButton->setEnabled(false);
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

void BatchCycle::completeBatch(const JobPage &page)
{
    if (page.completionWork == CompletionWork::HandOverWavFiles)
        handOverWavFiles(page);
    page.startButton->setEnabled(false);
    if (page.completionWork == CompletionWork::FillProgressBar)
        page.progressBar->setValue(100);
    currentRow = 0;
    tellHowItEnded(&dialog, desktop, page.table, QCoreApplication::translate("tonquirl", page.completionMessage));
    focusRowToLookAt(page.table);
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

void BatchCycle::clearKilledRunsOnce(const QString &folder)
{
    if (clearedFolders.contains(folder))
        return;
    clearKilledRuns(folder, pages[Normalize].toolTemporaries);
    clearedFolders.insert(folder);
}

// The tool's temporaries in the folder before a row runs: read once a batch,
// since a row that succeeds leaves none and one that does not has its own removed.
QSet<QString> BatchCycle::temporariesIn(const JobPage &page, const QString &folder)
{
    auto known = knownTemporaries.constFind(folder);
    if (known == knownTemporaries.cend())
        known = knownTemporaries.insert(folder, page.toolTemporaries(folder));
    return *known;
}

