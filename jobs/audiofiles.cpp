// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiofiles.h"

#include <QFile>

namespace {

QByteArray head(QFile &file, qint64 size)
{
    return file.isOpen() ? file.read(size) : QByteArray();
}

quint64 littleEndian(const QByteArray &bytes, int at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

quint16 le16(const QByteArray &bytes, int at) { return quint16(littleEndian(bytes, at, 2)); }
quint32 le32(const QByteArray &bytes, int at) { return quint32(littleEndian(bytes, at, 4)); }
// A 64-bit size beyond any disk is kept large, but clear of an overflow.
qint64 le64(const QByteArray &bytes, int at) { return qint64(qMin(littleEndian(bytes, at, 8), quint64(1) << 62)); }

constexpr quint32 sizeInDs64 = 0xffffffff;  // an RF64 chunk's size stands in "ds64"
constexpr quint16 extensible = 0xfffe;

void readFormat(const QByteArray &chunk, WaveHeader &wave)
{
    if (chunk.size() < 16)
        return;
    wave.format = le16(chunk, 0);
    wave.channels = le16(chunk, 2);
    wave.sampleRate = le32(chunk, 4);
    wave.blockAlign = le16(chunk, 12);
    wave.bitsPerSample = le16(chunk, 14);
    // The sub-format's GUID starts with the format code it stands for.
    if (wave.format == extensible && chunk.size() >= 26)
        wave.format = le16(chunk, 24);
}

} // namespace

WaveHeader readWaveHeader(const QString &path)
{
    WaveHeader wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return wave;
    const qint64 fileSize = file.size();
    const QByteArray riff = head(file, 12);
    const bool rf64 = riff.startsWith("RF64");
    if (riff.size() < 12 || !(rf64 || riff.startsWith("RIFF")) || riff.mid(8, 4) != "WAVE")
        return wave;
    qint64 riffSize = le32(riff, 4);
    qint64 dataSizeInDs64 = -1;
    // Chunks follow one another, each padded to an even size, until "data".
    for (;;) {
        const QByteArray chunk = head(file, 8);
        if (chunk.size() < 8)
            return wave;
        qint64 size = le32(chunk, 4);
        const qint64 start = file.pos();
        if (rf64 && chunk.startsWith("ds64")) {
            const QByteArray sizes = head(file, 16);
            if (sizes.size() < 16)
                return wave;
            riffSize = le64(sizes, 0);
            dataSizeInDs64 = le64(sizes, 8);
        } else if (chunk.startsWith("fmt ")) {
            readFormat(head(file, qMin<qint64>(size, 40)), wave);
        } else if (chunk.startsWith("data")) {
            if (rf64 && dataSizeInDs64 < 0)
                return wave;  // an RF64 file without its sizes
            if (rf64 && size == sizeInDs64)
                size = dataSizeInDs64;
            wave.found = true;
            wave.dataSize = size;
            wave.dataPresent = qBound<qint64>(0, fileSize - start, size);
            // A missing pad byte after odd-sized samples is forgiven.
            wave.complete = start + size <= fileSize && 8 + riffSize <= fileSize + (size & 1);
            return wave;
        }
        if (!file.seek(start + size + (size & 1)))
            return wave;
    }
}

bool isCompleteWaveWithAudio(const QString &path)
{
    const WaveHeader wave = readWaveHeader(path);
    return wave.found && wave.complete && wave.frames() > 0;
}

bool isCutShortWave(const QString &path)
{
    const WaveHeader wave = readWaveHeader(path);
    return wave.found && !wave.complete;
}

bool keepsAllFrames(const WaveHeader &before, const QString &rewritten)
{
    const WaveHeader after = readWaveHeader(rewritten);
    return after.found && after.complete && after.format == before.format && after.channels == before.channels
        && after.sampleRate == before.sampleRate && after.bitsPerSample == before.bitsPerSample
        && after.frames() == before.frames();
}

bool lameCanEncode(const QString &path)
{
    const WaveHeader wave = readWaveHeader(path);
    if (wave.found)
        return wave.dataPresent > 0;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray form = head(file, 12);
    return form.startsWith("FORM") && (form.mid(8, 4) == "AIFF" || form.mid(8, 4) == "AIFC");
}

bool isMp3WithAudio(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QByteArray start = head(file, 10);
    if (start.startsWith("ID3") && start.size() == 10) {
        // The tag's size is stored in four bytes of seven bits each.
        qint64 tagSize = 10;
        for (int i = 6; i < 10; ++i)
            tagSize += qint64(start.at(i) & 0x7f) << (7 * (9 - i));
        if (start.at(5) & 0x10)
            tagSize += 10;  // a footer follows the tag
        if (!file.seek(tagSize))
            return false;
        start = head(file, 4);
    }
    if (start.size() < 4)
        return false;
    // Frame sync (eleven set bits), a known MPEG version and layer, and a
    // bit rate index that is neither "free" nor invalid.
    const auto byte = [&start](int i) { return quint8(start.at(i)); };
    const bool sync = byte(0) == 0xff && (byte(1) & 0xe0) == 0xe0;
    const bool version = (byte(1) & 0x18) != 0x08;
    const bool layer = (byte(1) & 0x06) != 0;
    const int bitRate = byte(2) >> 4;
    return sync && version && layer && bitRate != 0 && bitRate != 0xf;
}
