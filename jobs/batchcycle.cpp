#include "batchcycle.h"

#include "jobtable.h"
#include "rowpaths.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace {
const QString stopLabel = QStringLiteral("Stop");
}

BatchCycle::BatchCycle(QDialog &dialog, int &fileCount, int &currentRow)
    : dialog(dialog), fileCount(fileCount), currentRow(currentRow)
{
}

void BatchCycle::attach(QTabWidget *tabWidget, std::array<JobPage, 4> jobPages)
{
    tabs = tabWidget;
    pages = std::move(jobPages);
}

void BatchCycle::keepTabDisabled(int tab)
{
    tabsWithoutTool.insert(tab);
}

void BatchCycle::startOrStop(JobKind kind)
{
    const JobPage &page = pages[kind];
    const QString text = page.startButton->text();
    if (text == QLatin1String(page.startLabel))
        startBatch(page);
    else if (text == stopLabel)
        stop(page);
}

void BatchCycle::startBatch(const JobPage &page)
{
    if (page.table->rowCount() == 0)
        return;
    // A click always starts at the top, whatever another page's batch left behind.
    currentRow = 0;
    protectedFiles.clear();
    if (page.outputSuffix) {
        for (int row = 0; row < page.table->rowCount(); ++row)
            protectedFiles.insert(fileIdentity(rowFiles(page, row).input));
    }
    runCurrentRow(page);
}

void BatchCycle::stop(const JobPage &page)
{
    page.process->terminate();
    for (int row = 0; row < fileCount; ++row) {
        if (!page.table->item(row, 1))
            setStatus(page.table, row, QStringLiteral("N/A"));
    }
}

void BatchCycle::runCurrentRow(const JobPage &page)
{
    // Rows that cannot run are marked and passed over here; the others end in finish().
    for (;;) {
        fileCount = page.table->rowCount();
        setRunning(page, true);
        const RowFiles files = rowFiles(page, currentRow);
        if (page.outputSuffix) {
            // The folder fields stay editable during a batch: check the row's own input as it is now.
            const QString target = fileIdentity(files.output);
            if (protectedFiles.contains(target) || target == fileIdentity(files.input)) {
                if (recordOutcome(page, outcomeOfRefusedRow(page.outcomeRule)))
                    continue;
                return;
            }
            protectedFiles.insert(target);
        }
        page.process->start(QLatin1String(page.program), page.arguments(files), QIODevice::ReadWrite);
        // A tool that cannot be started reports no end of its own.
        if (page.process->waitForStarted() || !recordOutcome(page, outcomeOfFailedStart()))
            return;
    }
}

void BatchCycle::finish(JobKind kind, int exitCode, QProcess::ExitStatus exitStatus)
{
    const JobPage &page = pages[kind];
    if (recordOutcome(page, outcomeOfExit(page.outcomeRule, exitCode, exitStatus)))
        runCurrentRow(page);
}

void BatchCycle::readProgress(JobKind kind)
{
    const JobPage &page = pages[kind];
    const QString chunk = QString::fromLocal8Bit(page.process->readAllStandardError());
    if (const std::optional<int> percent = page.progress(chunk)) {
        *page.lastPercent = *percent;
        if (*percent >= 0 && *percent <= 100)
            page.progressBar->setValue(*percent);
    }
}

// Writes the row's status and says whether the next row is to be started.
bool BatchCycle::recordOutcome(const JobPage &page, const RowOutcome &outcome)
{
    setRunning(page, false);
    setStatus(page.table, currentRow, outcome.status);
    if (!outcome.batchGoesOn) {
        page.startButton->setEnabled(false);
        return false;
    }
    if (currentRow < fileCount - 1) {
        ++currentRow;
        return true;
    }
    complete(page);
    return false;
}

void BatchCycle::setRunning(const JobPage &page, bool running)
{
    page.startButton->setText(running ? stopLabel : QString::fromLatin1(page.startLabel));
    page.openButton->setEnabled(!running);
    if (page.saveButton)
        page.saveButton->setEnabled(!running);
    for (int tab = 0; tab < int(pages.size()); ++tab) {
        if (tab != page.kind)
            tabs->setTabEnabled(tab, !running && !tabsWithoutTool.contains(tab));
    }
    if (!running)
        page.openButton->setFocus(Qt::OtherFocusReason);
}

void BatchCycle::complete(const JobPage &page)
{
    if (page.completionWork == CompletionWork::HandOverWavFiles)
        handOverWavFiles(page);
    page.startButton->setEnabled(false);
    if (page.completionWork == CompletionWork::FillProgressBar)
        page.progressBar->setValue(100);
    if (page.completionWork == CompletionWork::HandOverWavFiles) {
        pages[Normalize].startButton->setEnabled(true);
        pages[Encode].startButton->setEnabled(true);
    }
    currentRow = 0;
    QApplication::beep();
    QMessageBox::information(&dialog, QStringLiteral("tonquirl"),
                             dialog.metaObject()->tr(page.completionMessage, nullptr),
                             QMessageBox::Ok, QMessageBox::NoButton);
}

// The new WAV files go on to the Normalize and wav -> mp3 pages, listed from
// the folder they were written to, ready to start.
void BatchCycle::handOverWavFiles(const JobPage &extraction)
{
    QStringList names;
    for (int row = 0; row < fileCount; ++row)
        names << QFileInfo(rowFiles(extraction, row).input).completeBaseName() + QStringLiteral(".wav");
    const QString folder = outputFolder(extraction.saveEdit->text(), rowFiles(extraction, 0).input);

    listFiles(pages[Normalize].table, names);
    listFiles(pages[Encode].table, names);
    pages[Encode].openEdit->setText(folder);
    pages[Normalize].openEdit->setText(folder);
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
