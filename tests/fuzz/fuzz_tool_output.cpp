// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a tool's standard error, read in pieces as they arrive, by
// a page's progress reading and by what keeps the tool's last lines. The
// first byte picks the page and where the pieces end, the next ten are the
// figures of the WAV the tool wrote; in the rest, byte 1 stands for the
// hidden temporary output's path and byte 2 for its name.
#include "outcome.h"
#include "outputfiles.h"
#include "progress.h"
#include "toolmessages.h"
#include "warnings.h"

#include <QFile>
#include <QTemporaryDir>
#include <cassert>
#include <cmath>

static const QString temporaryPath = "/out/" + hiddenPrefix + "k3XbQ9.wav";

extern "C" int LLVMFuzzerTestOneInput(const char *data, size_t size)
{
    if (size < 11)
        return 0;
    const int page = quint8(data[0]) % 3;
    unsigned cut = quint8(data[0]);
    // 16-bit stereo with the fuzzer's sample rate, frame size and data size.
    static QTemporaryDir folder;
    QFile wave(folder.filePath("written.wav"));
    assert(wave.open(QIODevice::WriteOnly));
    wave.write(QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\1\0\2\0", 24) + QByteArray(data + 1, 4) + QByteArray(4, 0)
               + QByteArray(data + 5, 2) + QByteArray("\x10\0data", 6) + QByteArray(data + 7, 4));
    wave.close();

    // With the temporary output named, a part of its name can only come from
    // it: no ".t" of the tool's own, nor one made where colours are taken out.
    QByteArray text(data + 11, qsizetype(size - 11));
    const bool named = text.contains('\1') || text.contains('\2');
    while (named && (text.contains(".t") || text.contains('\x1b')))
        text.replace(".t", "").replace('\x1b', "");
    text.replace('\1', temporaryPath.toUtf8()).replace('\2', temporaryPath.mid(5).toUtf8());

    const ToolTexts texts{.failure = {": error "}, .damage = {"hip: ", "corrupt"}, .silence = {"zero power"}};
    ToolMessages said(texts);
    int duration = 0, durationSeen = 0;
    QString seen;
    for (qsizetype at = 0, length; at < text.size(); at += length) {
        cut = cut * 1103515245 + 12345;  // pieces of 1 to 128 bytes, cut anywhere, in a character too
        length = qMin<qsizetype>(text.size() - at, (cut >> 16) % 128 + 1);
        const QString chunk = QString::fromLocal8Bit(text.mid(at, length));
        seen += chunk;
        said.read(chunk);
        const std::optional<int> percent = page == 0 ? percentInText(chunk)  // 0..999, as written
                                         : page == 1 ? frameCounterPercent(chunk) : playTimePercent(chunk, {duration, durationSeen});
        assert(!percent || (*percent >= 0 && *percent <= (page == 0 ? 999 : 100)));
    }

    // What the tool admitted is found wherever the pieces were cut.
    const auto admitted = [&seen](const QStringList &phrases) {
        return std::any_of(phrases.begin(), phrases.end(), [&seen](const QString &phrase) { return seen.contains(phrase); });
    };
    assert(said.failureReported() == admitted(texts.failure) && said.damageReported() == admitted(texts.damage));
    assert(said.silenceReported() == admitted(texts.silence));
    assert(said.diskFullReported() == admitted({"No space left on device", "unable to write data"}));
    assert(said.framesDone() >= 0 && said.framesAnnounced() >= 0);
    assert(std::isfinite(said.secondsAnnounced()) && said.secondsAnnounced() >= 0);

    // The warning's figures are plain numbers of seconds.
    const RowEnd end = warningFor(said, wave.fileName());
    assert(end.kind == RowEnd::Done || end.kind == RowEnd::Damaged || end.kind == RowEnd::Silent);
    assert(std::isfinite(end.secondsDone) && end.secondsDone >= 0);
    assert(std::isfinite(end.secondsPromised) && end.secondsPromised >= 0);

    // A few lines of the tool's own, and no part of the temporary name in them.
    const QStringList lines = withRealName(said.lastLines(), temporaryPath, "/out/song.wav");
    assert(lines.size() <= 5);
    for (const QString &line : lines) {
        assert(!line.contains('\n') && !line.contains('\r') && line.size() <= toolLineLength + 13);
        assert(!named || !line.contains(".t"));
    }
    return 0;
}
