// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Reading the tools' progress out of one chunk of their standard error.
// Each chunk is read on its own; nothing is carried over except the
// ffmpeg duration, which may arrive a chunk before its time stamp.

// lame while encoding, normalize-audio: the first "[0-9]{1,3}%" of the chunk.
// Gives the number as written (0..999); the caller shows only 0..100.
std::optional<int> percentInText(const QString &chunk);

// lame --decode: "Frame" somewhere, then "current/total" framed by blanks.
// Gives a percentage in 0..100, or nothing when the counter makes no sense.
std::optional<int> frameCounterPercent(const QString &chunk);

// ffmpeg: what has been learnt of the current video so far.
struct PlayTimeState {
    int &duration;      // whole seconds, from the "Duration:" line
    int &durationSeen;  // 1 while "Duration:" was met but its time stamp not yet read
};

// ffmpeg: the play time "time=hh:mm:ss.xx" (or "time=83.45") against the
// duration. Updates the state and gives a percentage in 0..100, or nothing.
std::optional<int> playTimePercent(const QString &chunk, PlayTimeState state);
