// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// The statuses a row of a page's table can show.
namespace RowStatus {
inline const QString ok = QStringLiteral("OK.");
inline const QString fail = QStringLiteral("FAIL!");
inline const QString stop = QStringLiteral("STOP!");
inline const QString notRun = QStringLiteral("N/A");  // not reached after "Stop"
} // namespace RowStatus

// Whether a tool says it did its work: it ended normally with exit code 0
// and did not admit a failure on its standard error. Its output must still
// be checked: an exit code 0 alone is not enough.
bool toolSucceeded(QProcess::ExitStatus exitStatus, int exitCode, bool failureReported);

// A row's status once its tool has ended. After "Stop" a run that still
// succeeded keeps its output and is "OK."; every other run is "STOP!".
// Without "Stop" a run that did not succeed is "FAIL!", and the batch goes on.
QString statusOfRun(bool succeeded, bool stopRequested);
