// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a file the user lists: a WAV (RIFF or RF64), an AIFF, an MP3
// or none of them, whole or cut short.
#include "audiofiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <cassert>

extern "C" int LLVMFuzzerTestOneInput(const char *data, size_t size)
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("listed.wav"));
    QFile file(path);
    assert(file.open(QIODevice::WriteOnly) && file.write(data, qint64(size)) == qint64(size));
    file.close();
    const qint64 fileSize = qint64(size);

    // Never more audio present than the header declares, nor than the file holds.
    const WaveHeader wave = readWaveHeader(path);
    assert(wave.found || (wave.dataSize == 0 && !wave.complete));
    assert(0 <= wave.dataPresent && wave.dataPresent <= wave.dataSize && wave.dataPresent <= fileSize);
    assert(!wave.complete || (wave.dataPresent == wave.dataSize && wave.frames() * wave.blockAlign <= fileSize));

    assert(isCompleteWaveWithAudio(path) == (wave.complete && wave.frames() > 0));
    assert(isCutShortWave(path) == (wave.found && !wave.complete));
    assert(keepsAllFrames(wave, path) == wave.complete);  // a whole file, rewritten as it was
    const bool lameReadsIt = lameCanEncode(path);  // also an AIFF
    assert(!wave.found || lameReadsIt == (wave.dataPresent > 0));
    // An MP3 starts with a frame or a tag, never as a WAV does.
    assert(!isMp3WithAudio(path) || (fileSize >= 4 && !wave.found));
    return 0;
}
