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
        // its flush to the disk failed
        NotSaved,
        // "Stop"
        Stopped, Killed, NotReached,
        // "OK.", with a warning: the output is whole but holds less than the input promised
        Damaged, Silent,
        // "N/A": its output is already there, and the user chose to skip such rows
        AlreadyThere,
    };
    Kind kind = Done;
    QString tool{};
    int number = 0;        // ExitCode: the code; Crashed: the signal
    QString file{};        // WouldOverwrite, AlreadyThere: the file's name
    QString listedOn{};    // WouldOverwrite: the page that lists it; empty: an earlier row's result
    bool putBack = false;  // RewriteIncomplete, NotSaved: the original is back
    double secondsDone = 0;      // Damaged: what the output holds,
    double secondsPromised = 0;  // of what the input promised; 0 when not known
};

// A row that ends "OK." and still deserves a word.
bool isWarning(const RowEnd &end);

// "OK." (also Damaged, Silent), "FAIL!", "STOP!" (Stopped, Killed) or "N/A" (NotReached, AlreadyThere).
QString statusOf(const RowEnd &end);

// Where creating or renaming a file failed: the folder is missing, cannot
// be written to, or the disk is full.
RowEnd::Kind kindOfFileError(int error);
// Where flushing a result to the disk failed: the disk is full, or reported an error.
RowEnd::Kind kindOfFlushError(int error);

// Why the row did not end "OK.", in one sentence of the user's words, then
// the tool's own last lines, one a line; empty for a row that is done.
QString reasonFor(const RowEnd &end, const QStringList &toolLines = {});

// The line the completion box adds when rows failed, such as
// "2 von 10 Dateien sind fehlgeschlagen (FAIL!)"; empty when none did.
QString failureCount(int failed, int total);

// Names for the completion box, one a line: the first five, then
// "und 3 weitere" for the rest.
QString someNames(const QStringList &names);

// The line the completion box adds when rows ended "OK." with a warning,
// such as "2 Dateien mit Warnung"; empty when none did.
QString warningCount(int warned);

// The batch's outcome in status texts, such as "10 OK., 2 FAIL!", and the
// warnings among the "OK." ones ("1 mit Warnung"); a status no row has is
// left out, and a batch with neither reads "0 OK.".
QString outcomeCounts(int ok, int failed, int warned = 0);

// The tool's lines with a hidden temporary output's path, and its name, as
// the output's real ones: the user never sees the temporary one.
QStringList withRealName(QStringList lines, const QString &temporaryPath, const QString &realPath);
