// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What a tool says on its standard error besides its progress: the last
// lines worth showing a user, verbatim so that they can be searched for, and
// whether it admitted a failure that its exit code hides (normalize-audio
// exits with 0 after "error reading" and after a full disk). Fed the chunks
// as they are read for the progress bar; what it keeps is bounded however
// long the tool floods its standard error.
class ToolMessages
{
public:
    // `failureTexts`: the texts by which the tool admits a failure
    explicit ToolMessages(QStringList failureTexts = {}) : failureTexts(std::move(failureTexts)) {}
    void read(const QString &chunk);

    QStringList lastLines() const;   // at most a handful, oldest first
    bool failureReported() const { return failed; }   // one of the failure texts
    bool diskFullReported() const { return diskFull; }  // "No space left on device" and the like

private:
    void keepIfMeaningful(QStringView line);

    QStringList failureTexts;
    QStringList lines;
    QString unfinished;  // the line being written
    bool failed = false;
    bool diskFull = false;
};

// A line of progress (percentages, frame counters, "size=… time=…", lame's
// table of figures), which says nothing once the tool has ended.
bool isProgressLine(QStringView line);
