#pragma once

#include "jobpage.h"

#include <QProcess>
#include <QSet>
#include <QString>
#include <array>

class QDialog;
class QTabWidget;

// The one batch cycle behind all four pages: the start button starts a batch
// at the table's first row or stops it, each finished tool run writes the
// row's status and starts the next row, and the last row ends in the bell
// and a message. Only one page runs at a time; the others are locked.
class BatchCycle
{
public:
    // fileCount and currentRow belong to the dialog and are shared by the pages.
    BatchCycle(QDialog &dialog, int &fileCount, int &currentRow);

    void attach(QTabWidget *tabs, std::array<JobPage, 4> pages);
    const JobPage &page(JobKind kind) const { return pages[kind]; }

    void startOrStop(JobKind kind);
    void readProgress(JobKind kind);
    void finish(JobKind kind, int exitCode, QProcess::ExitStatus exitStatus);

    // A page whose tool is missing stays locked even when a batch ends.
    void keepTabDisabled(int tab);

private:
    void startBatch(const JobPage &page);
    void stop(const JobPage &page);
    void runCurrentRow(const JobPage &page);
    bool recordOutcome(const JobPage &page, const RowOutcome &outcome);
    void setRunning(const JobPage &page, bool running);
    void complete(const JobPage &page);
    void handOverWavFiles(const JobPage &extraction);
    RowFiles rowFiles(const JobPage &page, int row) const;

    QDialog &dialog;
    QTabWidget *tabs = nullptr;
    int &fileCount;
    int &currentRow;
    std::array<JobPage, 4> pages{};
    QSet<int> tabsWithoutTool;
    // The inputs and the outputs so far of the running batch, which no row may overwrite.
    QSet<QString> protectedFiles;
};
