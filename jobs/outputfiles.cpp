// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <sys/statvfs.h>

namespace {

QString randomLetters(int count)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString text;
    for (int i = 0; i < count; ++i)
        text += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return text;
}

} // namespace

QString createHiddenBeside(const QString &finalPath, const std::function<int(const QByteArray &path)> &create)
{
    const QFileInfo final(finalPath);
    const QString suffix = final.suffix().isEmpty() ? QString() : QLatin1Char('.') + final.suffix();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = final.dir().filePath(hiddenPrefix + randomLetters(hiddenRandomLetters) + suffix);
        const int error = create(QFile::encodeName(path));
        if (error == 0)
            return path;
        errno = error;
        if (error != EEXIST)
            return QString();
    }
    return QString();
}

bool diskIsFull(const QString &folder)
{
    struct statvfs disk{};
    return ::statvfs(QFile::encodeName(folder).constData(), &disk) == 0
        && qint64(disk.f_bavail) * qint64(disk.f_frsize) < 256 * 1024;
}

QSet<QString> normalizeTemporaries(const QString &folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("_norm??????")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    return QSet<QString>(names.begin(), names.end());
}
