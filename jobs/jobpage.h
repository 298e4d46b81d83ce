#pragma once

#include "outcome.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QLineEdit;
class QProcess;
class QProgressBar;
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
    QLineEdit *saveEdit;       // null: the job changes its files in place
    QPushButton *openButton;
    QPushButton *saveButton;   // null on the same pages as saveEdit
    QPushButton *startButton;
    QProgressBar *progressBar;
    const char *fileFilter;
    const char *startLabel;
    const char *program;
    const char *outputSuffix;  // null: in place
    OutcomeRule outcomeRule;
    CompletionWork completionWork;
    const char *completionMessage;
    std::function<QStringList(const RowFiles &)> arguments;
    std::function<std::optional<int>(const QString &)> progress;
    int *lastPercent;
};
