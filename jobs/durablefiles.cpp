// SPDX-License-Identifier: GPL-3.0-or-later
#include "durablefiles.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int flushOpened(const QByteArray &path, int flags, int (*flush)(int))
{
    const int fd = ::open(path.constData(), flags | O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = flush(fd) == 0 ? 0 : errno;
    // Where close() reports a late write error (NFS), it is the flush's too.
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        return errno;
    return error;
}

} // namespace

int flushFile(const QString &path)
{
    return flushOpened(QFile::encodeName(path), 0, ::fdatasync);
}

int flushFolderOf(const QString &path)
{
    const int error = flushOpened(QFile::encodeName(QFileInfo(path).absolutePath()), O_DIRECTORY, ::fsync);
    // Some file systems cannot flush a folder at all; their names are as safe as they get.
    return error == EINVAL || error == EROFS ? 0 : error;
}

int durableRename(const QString &from, const QString &to)
{
    if (const int error = flushFile(from))
        return error;
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return errno;
    return flushFolderOf(to);
}
