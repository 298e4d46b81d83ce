#include "outcome.h"

namespace {
const QString ok = QStringLiteral("OK.");
const QString fail = QStringLiteral("FAIL!");
const QString stop = QStringLiteral("STOP!");
} // namespace

RowOutcome outcomeOfExit(OutcomeRule rule, int exitCode, QProcess::ExitStatus exitStatus)
{
    if (rule == OutcomeRule::Extraction) {
        if (exitStatus == QProcess::CrashExit)
            return {fail, false};
        return exitCode == 0 ? RowOutcome{ok, true} : RowOutcome{stop, false};
    }
    if (exitStatus == QProcess::CrashExit)
        return {stop, false};
    // One bad file must neither hide nor block the rest of the batch.
    return exitCode == 0 ? RowOutcome{ok, true} : RowOutcome{fail, true};
}

RowOutcome outcomeOfFailedStart()
{
    return {fail, false};
}

RowOutcome outcomeOfRefusedRow(OutcomeRule rule)
{
    return {fail, rule == OutcomeRule::Crash};
}
