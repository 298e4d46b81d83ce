// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Looks at the headers of files to tell whether they hold sound, since the
// tools do not always say so: lame encodes any bytes as raw samples, and
// decodes a damaged MP3 into an empty WAV, both with exit code 0; on a full
// disk lame and normalize-audio leave a short WAV and still exit with 0.

// What a WAV file's header declares (RIFF, or RF64 with its 64-bit sizes in
// a "ds64" chunk), against what the file holds.
struct WaveHeader {
    bool found = false;      // a RIFF or RF64 "WAVE" file with a "data" chunk
    bool complete = false;   // the file holds every byte the header declares
    quint16 format = 0;      // 1 PCM, 3 float...: for an extensible WAV its sub-format
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    quint16 blockAlign = 0;  // bytes per sample frame
    qint64 dataSize = 0;     // as declared
    qint64 dataPresent = 0;  // what the file holds of it

    qint64 frames() const { return blockAlign ? dataSize / blockAlign : 0; }
};

WaveHeader readWaveHeader(const QString &path);

// A whole WAV with at least one sample frame: what a page that writes WAVs
// must leave, and what normalize-audio is given (it never ends on a WAV that
// does not state its length).
bool isCompleteWaveWithAudio(const QString &path);

// A WAV whose header declares more than the file holds, as a full disk leaves it.
bool isCutShortWave(const QString &path);

// Whether a rewritten WAV is whole and holds as many sample frames as before,
// in the same format. How the format is written down may differ:
// normalize-audio writes an extensible WAV back as a plain one.
bool keepsAllFrames(const WaveHeader &before, const QString &rewritten);

// What lame reads as audio: a WAV (RIFF or RF64) with sample data, also one
// written as a stream without its length, or an AIFF file.
bool lameCanEncode(const QString &path);

// An MP3 file: an MPEG audio frame at its start, after an ID3v2 tag if any.
bool isMp3WithAudio(const QString &path);
