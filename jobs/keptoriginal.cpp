// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptoriginal.h"

#include "outputfiles.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool takesNoHardLinks(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

bool hasRoomFor(const QString &path)
{
    struct statvfs disk = {};
    return statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &disk) == 0
        && qint64(disk.f_bavail) * qint64(disk.f_frsize) >= QFileInfo(path).size();
}

bool sameFile(const QByteArray &a, const QByteArray &b)
{
    struct stat first = {}, second = {};
    return stat(a.constData(), &first) == 0 && stat(b.constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

} // namespace

KeptOriginal KeptOriginal::keep(const QString &path)
{
    KeptOriginal original;
    original.path = path;
    original.before = readWaveHeader(path);
    const QByteArray name = QFile::encodeName(path);
    int linkError = 0;
    original.link = createHiddenBeside(path, [&](const QByteArray &linkName) {
        linkError = ::link(name.constData(), linkName.constData()) == 0 ? 0 : errno;
        return linkError;
    });
    if (original.link.isEmpty())
        original.keepError = !takesNoHardLinks(linkError) ? linkError : hasRoomFor(path) ? 0 : ENOSPC;
    return original;
}

bool KeptOriginal::rewriteIsWhole() const
{
    return keepsAllFrames(before, path);
}

void KeptOriginal::letGo()
{
    if (!link.isEmpty())
        ::unlink(QFile::encodeName(link).constData());
    link.clear();
}

void KeptOriginal::putBack()
{
    if (link.isEmpty())
        return;
    const QByteArray kept = QFile::encodeName(link), name = QFile::encodeName(path);
    // Renaming one name of a file onto another does nothing: the tool left the file as it was.
    if (sameFile(kept, name))
        ::unlink(kept.constData());
    else
        std::rename(kept.constData(), name.constData());
    link.clear();
}
