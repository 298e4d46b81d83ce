#pragma once

#include <QProcess>
#include <QString>

// How a row's tool run is judged, and whether the batch goes on after it.
enum class OutcomeRule {
    Crash,       // lame, normalize-audio: only a crash (SIGTERM from "Stop") ends the batch
    Extraction,  // ffmpeg: any failure ends the batch; SIGTERM makes it exit non-zero
};

struct RowOutcome {
    QString status;     // "OK.", "FAIL!" or "STOP!"
    bool batchGoesOn;
};

RowOutcome outcomeOfExit(OutcomeRule rule, int exitCode, QProcess::ExitStatus exitStatus);

// A row that never ran: its tool could not be started. Ends the batch.
RowOutcome outcomeOfFailedStart();

// A row refused before it ran (it would overwrite an input or an earlier
// result): a failed run of its job.
RowOutcome outcomeOfRefusedRow(OutcomeRule rule);
