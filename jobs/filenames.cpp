// SPDX-License-Identifier: GPL-3.0-or-later
#include "filenames.h"

#include <QFile>
#include <QFileInfo>
#include <QUtf8StringView>
#include <algorithm>
#include <dirent.h>

bool isExactName(const QByteArray &path)
{
    // Qt's names are UTF-8: valid UTF-8 comes back byte for byte, and nothing else does.
    return QUtf8StringView(path).isValidUtf8();
}

QString escapedName(const QByteArray &path)
{
    QString text;
    for (qsizetype at = 0; at < path.size();) {
        // The length of the character the byte starts, if it starts one.
        const quint8 lead = quint8(path.at(at));
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : 2;
        const QByteArray character = path.mid(at, length);
        const QString decoded = QString::fromUtf8(character);
        if (character.size() == length && decoded.toUtf8() == character) {
            text += decoded;
            at += length;
        } else {
            text += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, QLatin1Char('0'));
            at += 1;
        }
    }
    return text;
}

QByteArrayList namesInFolder(const QByteArray &folder)
{
    QByteArrayList names;
    DIR *entries = opendir(folder.constData());
    if (!entries)
        return names;
    while (const dirent *entry = readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    closedir(entries);
    std::sort(names.begin(), names.end(), [](const QByteArray &a, const QByteArray &b) {
        const int order = qstricmp(a.constData(), b.constData());
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QByteArrayList namesMistakenFor(const QString &path)
{
    // Only a name with U+FFFD can stand for bytes that are not UTF-8.
    if (!path.contains(QChar::ReplacementCharacter))
        return {};
    const QFileInfo file(path);
    const QByteArray folder = QFile::encodeName(file.absolutePath()), exact = QFile::encodeName(file.fileName());
    QByteArrayList mistaken;
    for (const QByteArray &name : namesInFolder(folder)) {
        if (name != exact && QFile::decodeName(name) == file.fileName())
            mistaken << folder + '/' + name;
    }
    return mistaken;
}
