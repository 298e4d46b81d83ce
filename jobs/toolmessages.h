// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// A tool's line longer than this is kept cut to this many characters.
constexpr qsizetype toolLineLength = 400;

// The texts by which a tool says what its exit code hides.
struct ToolTexts {
    QStringList failure{};  // it failed (normalize-audio exits with 0 after "error reading")
    QStringList damage{};   // it went past damage in its input
    QStringList silence{};  // it left its input alone, as silent
};

// What a tool says on its standard error besides its progress: the last
// lines worth showing a user, verbatim so that they can be searched for,
// whether it admitted a failure that its exit code hides (normalize-audio
// exits with 0 after "error reading" and after a full disk), damage or
// silence, and how far it got of what it announced. Fed the chunks as they
// are read for the progress bar; what it keeps is bounded however long the
// tool floods its standard error.
class ToolMessages
{
public:
    explicit ToolMessages(ToolTexts texts = {}) : texts(std::move(texts)) {}
    void read(const QString &chunk);

    QStringList lastLines() const;   // at most a handful, oldest first
    bool failureReported() const { return failed; }
    bool diskFullReported() const { return diskFull; }  // "No space left on device" and the like
    bool damageReported() const { return damaged; }
    bool silenceReported() const { return silent; }
    // lame's last frame counter, "Frame#  58/116": done of announced; 0 when it gave none
    int framesDone() const { return frames; }
    int framesAnnounced() const { return framesTotal; }
    // ffmpeg's "Duration: 00:00:03.05" of its input; 0 when it gave none
    double secondsAnnounced() const { return duration; }

private:
    void keepIfMeaningful(QStringView line);
    void readCounters(const QString &text);

    ToolTexts texts;
    QStringList lines;
    QString unfinished;  // the line being written
    QString recent;      // the end of what was read last
    bool failed = false;
    bool diskFull = false;
    bool damaged = false;
    bool silent = false;
    int frames = 0;
    int framesTotal = 0;
    double duration = 0;
};

// A line of progress (percentages, frame counters, "size=… time=…", lame's
// table of figures), which says nothing once the tool has ended.
bool isProgressLine(QStringView line);
