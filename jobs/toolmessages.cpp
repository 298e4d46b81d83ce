// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolmessages.h"

#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int linesKept = 5;
constexpr qsizetype textsReach = 128;  // longer than any text or counter looked for

const QRegularExpression &terminalControls()
{
    static const QRegularExpression controls(QStringLiteral("\\x1b\\[[0-9;]*[A-Za-z]"));
    return controls;
}

const QStringList &diskFullPhrases()
{
    // libaudiofile for normalize-audio; strerror(ENOSPC) for the others, in English and in the user's language
    static const QStringList phrases{QStringLiteral("unable to write data"), QStringLiteral("No space left on device"),
                                     QString::fromLocal8Bit(std::strerror(ENOSPC))};
    return phrases;
}

bool containsAny(const QString &text, const QStringList &phrases)
{
    return std::any_of(phrases.begin(), phrases.end(), [&](const QString &phrase) { return text.contains(phrase); });
}

} // namespace

bool isProgressLine(QStringView line)
{
    // "37%" without the expression: a tool's progress floods in by the thousand lines
    for (qsizetype at = line.indexOf(QLatin1Char('%')); at > 0; at = line.indexOf(QLatin1Char('%'), at + 1)) {
        if (line.at(at - 1).isDigit())
            return true;
    }
    static const QRegularExpression progress(QStringLiteral(
        "\\d+%|\\s%(\\s|$)"        // "(86%)|", " 37% done", lame's "kbps   %   %"
        "|^\\s*Frame\\b"           // lame's frame counter and its heading
        "|\\bsize=.*\\btime="      // ffmpeg
        "|^[\\d\\s.,:;|/()+-]*$"));  // figures and rules only, or nothing
    return progress.match(line).hasMatch();
}

void ToolMessages::read(const QString &chunk)
{
    // The end of what came before is read again with the chunk, so that a
    // text split between two reads is found, also far into a long line.
    const QString searched = recent + chunk;
    failed = failed || containsAny(searched, texts.failure);
    diskFull = diskFull || containsAny(searched, diskFullPhrases());
    damaged = damaged || containsAny(searched, texts.damage);
    silent = silent || containsAny(searched, texts.silence);
    readCounters(searched);
    recent = searched.right(textsReach);
    // The line being written, kept cut as it is shown.
    const QString text = unfinished + chunk;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        keepIfMeaningful(QStringView(text).mid(start, qMin(at - start, toolLineLength)));
        start = at + 1;
    }
    unfinished = text.mid(start, toolLineLength);
}

void ToolMessages::keepIfMeaningful(QStringView written)
{
    QString stripped;
    if (written.contains(QChar(0x1b))) {  // colours and cursor moves, rare enough to skip the expression
        stripped = written.toString().remove(terminalControls());
        written = stripped;
    }
    if (isProgressLine(written))
        return;
    lines << written.toString();
    if (lines.size() > linesKept)
        lines.removeFirst();
}

// The last complete "Frame#  58/116 " of the text, and the first "Duration: 00:00:03.05".
void ToolMessages::readCounters(const QString &text)
{
    static const QRegularExpression counter(QStringLiteral("Frame#\\s*(\\d+)/(\\d+)\\s"));
    static const QRegularExpression announced(QStringLiteral("Duration: (\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    for (qsizetype at = text.lastIndexOf(QLatin1String("Frame#")); at >= 0;
         at = at > 0 ? text.lastIndexOf(QLatin1String("Frame#"), at - 1) : -1) {
        const QRegularExpressionMatch match = counter.match(text, at, QRegularExpression::NormalMatch,
                                                             QRegularExpression::AnchorAtOffsetMatchOption);
        if (match.hasMatch()) {
            frames = match.capturedView(1).toInt();
            framesTotal = match.capturedView(2).toInt();
            break;
        }
    }
    if (duration == 0 && text.contains(QLatin1String("Duration: "))) {
        if (const QRegularExpressionMatch match = announced.match(text); match.hasMatch())
            duration = match.capturedView(1).toDouble() * 3600 + match.capturedView(2).toDouble() * 60
                     + match.capturedView(3).toDouble();
    }
}

QStringList ToolMessages::lastLines() const
{
    ToolMessages all = *this;
    all.keepIfMeaningful(unfinished);  // as if the tool had ended its last line
    return all.lines;
}
