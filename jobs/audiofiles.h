// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Looks at the first bytes of a file to tell whether it holds sound, since the
// tools do not always say so: lame encodes any bytes as raw samples, and
// decodes a damaged MP3 into an empty WAV, both with exit code 0.

// A RIFF/WAVE file with at least one byte of sample data.
bool isWaveWithAudio(const QString &path);

// What lame reads as audio: a WAV with sample data, or an AIFF file.
bool lameCanEncode(const QString &path);

// An MP3 file: an MPEG audio frame at its start, after an ID3v2 tag if any.
bool isMp3WithAudio(const QString &path);
