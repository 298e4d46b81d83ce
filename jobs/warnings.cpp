// SPDX-License-Identifier: GPL-3.0-or-later
#include "warnings.h"

#include "audiofiles.h"

#include <algorithm>

RowEnd warningFor(const ToolMessages &said, const QString &outputWave)
{
    if (said.silenceReported())
        return {RowEnd::Silent};
    double written = 0, promised = 0;
    if ((said.framesDone() > 0 || said.secondsAnnounced() > 0) && !outputWave.isEmpty()) {
        const WaveHeader header = readWaveHeader(outputWave);
        written = header.sampleRate ? double(header.frames()) / header.sampleRate : 0;
        // lame's counter stops where the input does: the frames it announced take as long as those it decoded
        promised = said.framesDone() > 0 ? written * said.framesAnnounced() / said.framesDone() : said.secondsAnnounced();
    }
    const bool fallsShort = promised - written > std::max(1.0, 0.02 * promised);
    if (!fallsShort && !said.damageReported())
        return {};
    return {.kind = RowEnd::Damaged, .secondsDone = written, .secondsPromised = fallsShort ? promised : 0};
}
