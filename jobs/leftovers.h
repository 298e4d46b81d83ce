// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

// A run of the program that was killed (SIGKILL, a crash, the session
// ending) cleans up nothing: it leaves its hidden temporary outputs, its
// kept originals and their notes, and the tool's own half-written
// temporaries beside the files it worked on. The next batch that writes
// into the folder, or rewrites files in it, clears them first: a kept
// original goes back under its file's name where the file is missing or
// not whole. Whatever a program still running has there stays, and so does
// a tool temporary that was there before the killed row began.
//
// `toolTemporaries` lists the temporaries that the in-place tool leaves in a folder.
void clearKilledRuns(const QString &folder, QSet<QString> (*toolTemporaries)(const QString &folder));
