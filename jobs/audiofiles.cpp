// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiofiles.h"

#include <QFile>

namespace {

QByteArray head(QFile &file, qint64 size)
{
    return file.isOpen() ? file.read(size) : QByteArray();
}

quint32 littleEndian32(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

} // namespace

bool isWaveWithAudio(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray riff = head(file, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;
    // Chunks follow one another, each padded to an even size, until "data".
    for (;;) {
        const QByteArray chunk = head(file, 8);
        if (chunk.size() < 8)
            return false;
        const quint32 size = littleEndian32(chunk, 4);
        if (chunk.startsWith("data"))
            return size > 0 && file.pos() < file.size();
        if (!file.seek(file.pos() + size + (size & 1)))
            return false;
    }
}

bool lameCanEncode(const QString &path)
{
    if (isWaveWithAudio(path))
        return true;
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
