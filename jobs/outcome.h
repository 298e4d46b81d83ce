// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The statuses a row of a page's table can show.
namespace RowStatus {
inline const QString ok = QStringLiteral("OK.");
inline const QString fail = QStringLiteral("FAIL!");
inline const QString stop = QStringLiteral("STOP!");
inline const QString notRun = QStringLiteral("N/A");  // not reached after "Stop"
} // namespace RowStatus

// How a row ended, as far as the program saw it: what the tool's end, the
// file system's errors and the checks of its output showed, never guessed.
struct RowEnd {
    enum Kind {
        Done,
        // refused before the tool ran
        InputMissing, InputUnreadable, NotForLame, NotWholeWave, WouldOverwrite,
        FolderMissing, FolderNotWritable, DiskFull,
        // the tool could not be started
        NotFound, NotExecutable,
        // the tool's own end
        ExitCode, Crashed, ErrorReported,
        // what it wrote
        NoAudio, Incomplete, RewriteIncomplete,
        // "Stop"
        Stopped, Killed, NotReached,
    };
    Kind kind = Done;
    QString tool{};
    int number = 0;        // ExitCode: the code; Crashed: the signal
    QString file{};        // WouldOverwrite: the file's name
    QString listedOn{};    // WouldOverwrite: the page that lists it; empty: an earlier row's result
    bool putBack = false;  // RewriteIncomplete: the original is back
};

// "OK.", "FAIL!", "STOP!" (Stopped, Killed) or "N/A" (NotReached).
QString statusOf(const RowEnd &end);

// Where creating or renaming a file failed: the folder is missing, cannot
// be written to, or the disk is full.
RowEnd::Kind kindOfFileError(int error);

// Why the row did not end "OK.", in one sentence of the user's words, then
// the tool's own last lines, one a line; empty for a row that is done.
QString reasonFor(const RowEnd &end, const QStringList &toolLines = {});

// The line the completion box adds when rows failed, such as
// "2 von 10 Dateien sind fehlgeschlagen (FAIL!)"; empty when none did.
QString failureCount(int failed, int total);

// Names for the completion box, one a line: the first five, then
// "und 3 weitere" for the rest.
QString someNames(const QStringList &names);

// The batch's outcome in status texts, such as "10 OK., 2 FAIL!"; a status
// no row has is left out, and a batch with neither reads "0 OK.".
QString outcomeCounts(int ok, int failed);
