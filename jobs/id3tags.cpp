// SPDX-License-Identifier: GPL-3.0-or-later
#include "id3tags.h"

#include <QFileInfo>

namespace {

bool isFieldLetter(QChar c)
{
    return c == QLatin1Char('N') || c == QLatin1Char('A') || c == QLatin1Char('T');
}

qsizetype nextFieldLetter(const QString &pattern, qsizetype from)
{
    for (qsizetype i = from; i < pattern.size(); ++i)
        if (isFieldLetter(pattern.at(i)))
            return i;
    return -1;
}

QString optionOf(QChar letter)
{
    if (letter == QLatin1Char('N'))
        return QStringLiteral("--tn");
    if (letter == QLatin1Char('A'))
        return QStringLiteral("--ta");
    return QStringLiteral("--tt");  // T, and a pattern without any letter
}

} // namespace

QStringList id3Arguments(QString pattern, QString fileName)
{
    // Up to three field letters; what stands between them separates the fields.
    QList<qsizetype> letters;
    for (qsizetype at = nextFieldLetter(pattern, 0); at >= 0 && letters.size() < 3;
         at = nextFieldLetter(pattern, at + 1))
        letters.append(at);

    const QString firstSeparator =
        letters.size() >= 2 ? pattern.mid(letters[0] + 1, letters[1] - letters[0] - 1) : QString();
    const QString secondSeparator =
        letters.size() == 3 ? pattern.mid(letters[1] + 1, letters[2] - letters[1] - 1) : QString();

    const QString name = QFileInfo(fileName).completeBaseName();
    const qsizetype end = name.size();

    // The last field takes the rest of the name; a separator that does not
    // occur makes the field before it run to the end and leaves the rest empty.
    QStringList fields;
    const qsizetype firstCut = firstSeparator.isEmpty() ? end : name.indexOf(firstSeparator);
    if (firstCut < 0) {
        fields = {name, QString(), QString()};
    } else {
        const qsizetype secondStart = firstCut + firstSeparator.size();
        const qsizetype secondCut =
            secondSeparator.isEmpty() ? end : name.indexOf(secondSeparator, secondStart);
        if (secondCut < 0)
            fields = {name.mid(0, firstCut), name.mid(secondStart), QString()};
        else
            fields = {name.mid(0, firstCut), name.mid(secondStart, secondCut - secondStart),
                      name.mid(secondCut + secondSeparator.size())};
    }

    QStringList arguments;
    const qsizetype fieldCount = qMax<qsizetype>(letters.size(), 1);
    for (qsizetype i = 0; i < fieldCount; ++i) {
        arguments << optionOf(letters.isEmpty() ? QChar() : pattern.at(letters[i]));
        arguments << fields[i];
    }
    arguments << QStringLiteral("--add-id3v2");
    return arguments;
}
