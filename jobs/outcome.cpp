// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome.h"

bool toolSucceeded(QProcess::ExitStatus exitStatus, int exitCode, bool failureReported)
{
    return exitStatus == QProcess::NormalExit && exitCode == 0 && !failureReported;
}

QString statusOfRun(bool succeeded, bool stopRequested)
{
    if (succeeded)
        return RowStatus::ok;
    return stopRequested ? RowStatus::stop : RowStatus::fail;
}
