// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outcome.h"
#include "toolmessages.h"

// A tool can end well with a whole output that still holds less than its
// input promised: lame decodes a broken download up to where it breaks off,
// ffmpeg extracts a cut-off video's first half, both with exit code 0. The
// row keeps its output and its "OK.", with a warning: Damaged when the tool
// reported damage, or when the output falls short of the input's length by
// more than 1 s and more than 2 % (lame's total for an MP3 without a frame
// count is an estimate, and a whole file can end a frame short); Silent
// when the tool left a silent file as it was. Otherwise Done.
RowEnd warningFor(const ToolMessages &said, const QString &outputWave);
