// SPDX-License-Identifier: GPL-3.0-or-later
#include "id3tags.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The texts are the dialog's, and are translated with its own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(tonquirl)
};

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

// The pattern's letters, up to three, and the name's fields cut by the
// separators between them; `fits` is false when a separator is missing.
struct Fields {
    QList<QChar> letters;
    QStringList texts;
    bool fits = true;
};

Fields cut(const QString &pattern, const QString &fileName)
{
    // Up to three field letters; what stands between them separates the fields.
    QList<qsizetype> at;
    for (qsizetype i = nextFieldLetter(pattern, 0); i >= 0 && at.size() < 3; i = nextFieldLetter(pattern, i + 1))
        at.append(i);
    Fields fields;
    for (qsizetype i : at)
        fields.letters << pattern.at(i);

    const QString firstSeparator = at.size() >= 2 ? pattern.mid(at[0] + 1, at[1] - at[0] - 1) : QString();
    const QString secondSeparator = at.size() == 3 ? pattern.mid(at[1] + 1, at[2] - at[1] - 1) : QString();
    const QString name = QFileInfo(fileName).completeBaseName();
    const qsizetype end = name.size();

    // The last field takes the rest of the name.
    const qsizetype firstCut = firstSeparator.isEmpty() ? end : name.indexOf(firstSeparator);
    const qsizetype secondStart = firstCut + firstSeparator.size();
    const qsizetype secondCut = firstCut < 0 ? -1 : secondSeparator.isEmpty() ? end : name.indexOf(secondSeparator, secondStart);
    fields.fits = firstCut >= 0 && secondCut >= 0;
    if (fields.fits) {
        fields.texts = {name.mid(0, firstCut), name.mid(secondStart, secondCut - secondStart),
                        name.mid(secondCut + secondSeparator.size())};
    } else {
        const qsizetype title = fields.letters.indexOf(QLatin1Char('T'));
        fields.texts = {QString(), QString(), QString()};
        fields.texts[title < 0 ? 0 : title] = name;
    }
    return fields;
}

} // namespace

QStringList id3Arguments(QString pattern, QString fileName)
{
    const Fields fields = cut(pattern, fileName);
    QStringList arguments;
    for (qsizetype i = 0; i < qMax<qsizetype>(fields.letters.size(), 1); ++i)
        arguments << optionOf(fields.letters.value(i)) << fields.texts[i];
    arguments << QStringLiteral("--add-id3v2");
    return arguments;
}

QString tagPreview(const QString &pattern, const QString &fileName)
{
    const Fields fields = cut(pattern, fileName);
    QStringList parts;
    for (qsizetype i = 0; i < qMax<qsizetype>(fields.letters.size(), 1); ++i) {
        const QChar letter = fields.letters.value(i);
        const QString label = letter == QLatin1Char('N')   ? Texts::tr("Nr.")
                              : letter == QLatin1Char('A') ? Texts::tr("Artist")
                                                           : Texts::tr("Titel");
        parts << label + QStringLiteral(": ") + (fields.texts[i].isEmpty() ? QStringLiteral("–") : fields.texts[i]);
    }
    const QString tag = parts.join(QStringLiteral(" · "));
    if (fields.fits)
        return tag;
    return Texts::tr("Der Name passt nicht zum Muster „%1“: alles wird Titel.").arg(pattern) + QLatin1Char('\n') + tag;
}
