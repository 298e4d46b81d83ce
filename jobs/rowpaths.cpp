// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowpaths.h"

#include <QDir>
#include <QFileInfo>

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
