// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outcome.h"
#include "toolmessages.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QLineEdit;
class QProcess;
class QuietProgressBar;
class QPushButton;
class QTableWidget;

// The four pages, by their tab index.
enum JobKind { Extract = 0, Normalize = 1, Encode = 2, Decode = 3 };

// What the batch cycle does after the last row of a batch, besides the bell
// and the message.
enum class CompletionWork { None, HandOverWavFiles, FillProgressBar };

// The files of one row: the input and where the output goes (empty for a job
// that works in place), plus the name as listed in the table.
struct RowFiles {
    QString name;
    QString input;
    QString output;
};

// One page of the dialog, described once for the file lists and the batch
// cycle: its widgets, its tool and what sets it apart from the other three.
struct JobPage {
    JobKind kind;
    QProcess *process;
    QTableWidget *table;
    QLineEdit *openEdit;
    QLineEdit *saveEdit = nullptr;       // null: the job changes its files in place
    QPushButton *openButton;
    QPushButton *saveButton = nullptr;   // null on the same pages as saveEdit
    QPushButton *startButton;
    QuietProgressBar *progressBar;
    const char *fileFilter;
    const char *openWithSuffix = nullptr;  // files named on the command line with it come here
    const char *program;
    const char *outputSuffix = nullptr;  // null: in place, the original kept until the result is checked
    CompletionWork completionWork = CompletionWork::None;
    const char *completionMessage;
    std::function<QStringList(const RowFiles &)> arguments;
    std::function<std::optional<int>(const QString &)> progress;
    int *lastPercent;
    // What the tool's exit code does not tell, where the page needs it:
    bool (*acceptsInput)(const QString &path) = nullptr;      // checked before the tool runs
    RowEnd::Kind inputRefusedAs = RowEnd::Done;                // why, when it is not
    bool (*outputHoldsAudio)(const QString &path) = nullptr;  // checked after it ran
    ToolTexts admits{};                                       // on standard error
    // The temporary files the tool leaves in its file's folder when stopped.
    QSet<QString> (*toolTemporaries)(const QString &folder) = nullptr;
};
