// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandlines.h"

#include "rowpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString installedPath(const char *tool)
{
    return QStringLiteral("/usr/bin/") + QLatin1String(tool);
}

bool isOnSearchPath(const char *tool)
{
    for (const QString &folder : QString::fromLocal8Bit(qgetenv("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QFileInfo(QDir(folder).filePath(QLatin1String(tool))).isFile())
            return true;
    }
    return false;
}

QString shellCommand(const char *tool, const QStringList &arguments)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./=:,+@%-]+$"));
    QString line = QLatin1String(tool);
    for (const QString &argument : arguments) {
        line += QLatin1Char(' ');
        line += plain.match(argument).hasMatch()
                    ? argument
                    : QLatin1Char('\'') + QString(argument).replace(QLatin1String("'"), QLatin1String("'\\''"))
                          + QLatin1Char('\'');
    }
    return line;
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
