// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// The tools' patterns came from QRegExp, whose '.' matched any character.
const QRegularExpression::PatternOptions anyCharacter = QRegularExpression::DotMatchesEverythingOption;

// Only a finite share within the bar's range becomes a number: anything
// else (a zero total, garbage, an overflow) leaves the bar as it was.
std::optional<int> shareInPercent(double done, double total)
{
    if (total == 0.0)
        return std::nullopt;
    const double percent = done * 100.0 / total;
    if (!std::isfinite(percent) || percent <= -1.0 || percent >= 101.0)
        return std::nullopt;
    return static_cast<int>(percent);  // truncates toward zero, as the bar expects
}

double number(const QString &text)
{
    const double value = text.toDouble();  // 0 for anything that is not a number
    return std::isfinite(value) ? value : 0.0;
}

// "hh:mm:ss.xx" read field by field; the seconds field runs to the end.
double secondsOfTimeStamp(const QString &stamp)
{
    return number(stamp.mid(0, 2)) * 3600 + number(stamp.mid(3, 2)) * 60 + number(stamp.mid(6));
}

} // namespace

std::optional<int> percentInText(const QString &chunk)
{
    static const QRegularExpression percent(QStringLiteral("[0-9]{1,3}%"), anyCharacter);
    const QRegularExpressionMatch match = percent.match(chunk);
    if (!match.hasMatch())
        return std::nullopt;
    const QString digits = match.captured(0).chopped(1);
    return digits.toInt(nullptr, 10);
}

std::optional<int> frameCounterPercent(const QString &chunk)
{
    if (!chunk.contains(QLatin1String("Frame")))
        return std::nullopt;
    const qsizetype slash = chunk.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return std::nullopt;
    const qsizetype blankBefore = chunk.lastIndexOf(QLatin1Char(' '), slash);
    const qsizetype blankAfter = chunk.indexOf(QLatin1Char(' '), slash);
    // mid() reads to the end of the chunk when the length comes out negative
    const QString current = chunk.mid(blankBefore + 1, slash - blankBefore - 1);
    const QString total = chunk.mid(slash + 1, blankAfter < 0 ? -1 : blankAfter - slash - 1);
    return shareInPercent(number(current), number(total));
}

std::optional<int> playTimePercent(const QString &chunk, PlayTimeState state)
{
    static const QRegularExpression timeStamp(QStringLiteral("..:..:..\\..."), anyCharacter);
    static const QRegularExpression playTime(QStringLiteral("time=..:..:..\\..."), anyCharacter);

    // The duration's stamp is the first one after "Duration:", not one of the
    // header's earlier lines such as "creation_time   : 2020-01-01T12:34:56".
    const qsizetype duration = chunk.indexOf(QLatin1String("Duration:"));
    if (duration >= 0)
        state.durationSeen = 1;
    if (state.durationSeen == 1) {
        const QRegularExpressionMatch stamp = timeStamp.match(chunk, qMax<qsizetype>(duration, 0));
        if (stamp.hasMatch()) {
            state.durationSeen = 0;
            const double seconds = secondsOfTimeStamp(stamp.captured(0));
            state.duration = std::fabs(seconds) < 2147483647.0 ? static_cast<int>(seconds) : 0;
        }
    }

    // "time=", so that "creation_time" in the header is not taken for it. The
    // newer form is recognised by its full time stamp; older ffmpeg builds
    // give seconds ("time=83.45").
    const qsizetype time = chunk.indexOf(QLatin1String("time="));
    if (time < 0)
        return std::nullopt;
    const double elapsed = playTime.match(chunk).hasMatch()
                               ? secondsOfTimeStamp(chunk.mid(time + 5, 11))
                               : number(chunk.mid(time + 5, 5));
    return shareInPercent(elapsed, state.duration);
}
