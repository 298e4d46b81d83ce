// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batchview.h"
#include "claimedfile.h"
#include "jobpage.h"
#include "keptoriginal.h"
#include "outcome.h"
#include "settling.h"
#include "toolmessages.h"

#include <QHash>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QTimer>
#include <array>

class DesktopIntegration;
class StayAwake;
class QDialog;
class QTabWidget;

// The one batch cycle behind all four pages: the start button starts a batch
// at the table's first row or stops it, each tool run that ends writes its
// row's status and starts the next row, and the last row ends in the bell
// and a message. Only one page runs at a time; the others are locked.
//
// A tool writes to a hidden temporary file that becomes the output only
// when the run succeeded and the output is complete, and a row says "OK."
// only once its output is on the disk under its name; whatever a failed,
// stopped or abandoned run wrote is removed, and a file already under the
// output's name is left alone. A tool that rewrites its file in place works
// on the file itself, wherever a link leads, and its original is put back
// unless the run succeeded and the file is whole and on the disk. What a
// killed run of the program left in a folder is cleared before a batch
// works there. No output may land on a file listed on any page.
//
// What a person watches of it is the view's to show; the computer is kept
// from going to sleep while it runs.
class BatchCycle
{
public:
    // fileCount and currentRow belong to the dialog and are shared by the pages.
    BatchCycle(QDialog &dialog, int &fileCount, int &currentRow, DesktopIntegration &desktop, StayAwake &awake);
    ~BatchCycle();

    // The start buttons' texts, as the form gives them, are their pages' start labels.
    void attach(QTabWidget *tabs, std::array<JobPage, 4> pages);
    const JobPage &page(JobKind kind) const { return pages[kind]; }

    bool isRunning() const { return state != State::Idle; }
    void startOrStop(JobKind kind);
    void readProgress(JobKind kind);
    void toolEnded(JobKind kind, int exitCode, QProcess::ExitStatus exitStatus);

    // Ends a running tool at once and removes what it wrote, without
    // touching the page: the program or the window is going away.
    void abandon();

    // A page whose tool is missing stays locked even when a batch ends.
    void keepTabDisabled(int tab);

private:
    enum class State { Idle, Running, Stopping };

    // The row whose tool runs, and what it must not leave behind.
    struct RunningRow {
        RowFiles files;                   // the output under its final name
        ClaimedFile temporaryOutput;      // what the tool writes to, while it is there
        QString writtenAs{};              // its name, for the tool's lines
        QSet<QString> temporariesBefore;  // the tool's own temporaries, before it ran
        KeptOriginal original;            // of a file rewritten in place
        ToolMessages messages;
        QString commandLine{};            // once the tool runs
        bool killed = false;              // after "Stop", for not ending
    };

    void startBatch(const JobPage &page);
    void requestStop(const JobPage &page);
    void runRows(const JobPage &page);
    RowEnd prepareRow(const JobPage &page);
    RowEnd checkOutput(const JobPage &page);
    void settle(const JobPage &page, const RowEnd &end);
    void removeLeftovers(const JobPage &page);
    void clearKilledRunsOnce(const QString &folder);
    bool nextRowFollows(const JobPage &page, const RowEnd &end, bool batchGoesOn, bool statusFollows = false);
    void endBatch(const JobPage &page);
    void lockOtherControls(const JobPage &page, bool locked);
    void completeBatch(const JobPage &page);
    void handOverWavFiles(const JobPage &extraction);
    QSet<QString> temporariesIn(const JobPage &page, const QString &folder);

    QDialog &dialog;
    DesktopIntegration &desktop;
    StayAwake &awake;
    BatchView view;
    QTabWidget *tabs = nullptr;
    int &fileCount;
    int &currentRow;
    std::array<JobPage, 4> pages{};
    std::array<QString, 4> startLabels;
    QSet<int> tabsWithoutTool;
    // The files listed on the pages (with the page's title) and the outputs
    // so far of the running batch (with none), which no row may overwrite.
    QHash<QString, QString> protectedFiles;
    // The outputs already there that the user chose not to replace.
    QSet<QString> skippedOutputs;
    // The tool's temporaries found in each folder at the batch's start.
    QHash<QString, QSet<QString>> knownTemporaries;
    // The folders cleared of what killed runs left, this batch.
    QSet<QString> clearedFolders;
    QProcessEnvironment toolEnvironment;

    State state = State::Idle;
    const JobPage *runningPage = nullptr;
    RunningRow row;
    // Rows whose results are being flushed; their statuses follow.
    Settling settling;
    QSet<int> rowsSettling;
    bool endAwaitsSettling = false;
    bool batchCompleted = false;
    // A tool still running this long after "Stop" is killed.
    QTimer stopDeadline;
};
