// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandlines.h"

#include "rowpaths.h"

QString installedPath(const char *tool)
{
    return QStringLiteral("/usr/bin/") + QLatin1String(tool);
}

QStringList decodeArguments(const QString &input, const QString &output)
{
    return {QStringLiteral("--decode"), safeArgument(input), safeArgument(output)};
}

QStringList normalizeArguments(const QString &input)
{
    return {safeArgument(input)};
}

QStringList encodeArguments(const QString &bitRate, const QStringList &tagArguments,
                            const QString &input, const QString &output)
{
    QStringList arguments;
    if (!bitRate.isEmpty())
        arguments << QStringLiteral("--preset") << QStringLiteral("cbr") << bitRate;
    arguments << tagArguments << safeArgument(input) << safeArgument(output);
    return arguments;
}

QStringList extractArguments(const QString &input, const QString &output)
{
    return {QStringLiteral("-y"),  QStringLiteral("-i"),    safeArgument(input),
            QStringLiteral("-vn"), QStringLiteral("-ar"),   QStringLiteral("44100"),
            QStringLiteral("-ac"), QStringLiteral("2"),     safeArgument(output)};
}
