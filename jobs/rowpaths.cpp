// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString joinFolder(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? name : withSlash(folder) + name;
}

QString outputFolder(const QString &saveFolder, const QString &inputPath)
{
    if (!saveFolder.isEmpty())
        return withSlash(saveFolder);
    return withSlash(QFileInfo(inputPath).absolutePath());
}

QString outputPath(const QString &saveFolder, const QString &inputPath, const QString &suffix)
{
    return outputFolder(saveFolder, inputPath) + QFileInfo(inputPath).completeBaseName() + suffix;
}

QString safeArgument(const QString &path)
{
    return path.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + path : path;
}

QString realFile(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString FileIdentities::of(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    struct stat status = {};
    if (slash <= 0 || (::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode)))
        return fileIdentity(path);
    const QString folder = path.left(slash);
    auto canonical = canonicalFolders.constFind(folder);
    if (canonical == canonicalFolders.cend())
        canonical = canonicalFolders.insert(folder, QFileInfo(folder).canonicalFilePath());
    if (canonical->isEmpty())
        return fileIdentity(path);
    return *canonical + (canonical->endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + path.mid(slash + 1);
}

qint64 sizeOf(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? qint64(status.st_size) : 0;
}

QString fileIdentity(const QString &path)
{
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty())
        return QDir(folder).filePath(file.fileName());
    return QDir::cleanPath(file.absoluteFilePath());
}
