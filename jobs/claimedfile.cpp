// SPDX-License-Identifier: GPL-3.0-or-later
#include "claimedfile.h"

#include "outputfiles.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether the file open as `fd` is still the one under `path`: a run that
// clears leftovers may have removed it between its creation and its lock.
bool stillNamed(int fd, const QString &path)
{
    struct stat opened = {}, named = {};
    return ::fstat(fd, &opened) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Where a file system takes no locks at all, nothing tells a killed run's file from
// a running one's: it is kept, and left to the user.
bool locksUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL;
}

} // namespace

ClaimedFile::ClaimedFile(ClaimedFile &&other) noexcept
    : name(std::move(other.name)), descriptor(std::exchange(other.descriptor, -1))
{
}

ClaimedFile &ClaimedFile::operator=(ClaimedFile &&other) noexcept
{
    if (this != &other) {
        release();
        name = std::move(other.name);
        descriptor = std::exchange(other.descriptor, -1);
    }
    return *this;
}

ClaimedFile::~ClaimedFile()
{
    release();
}

ClaimedFile ClaimedFile::createBeside(const QString &finalPath)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        int fd = -1;
        const QString path = createHiddenBeside(finalPath, [&](const QByteArray &hidden) {
            // The mode follows the umask, as the tool's own file would.
            fd = ::open(hidden.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            return fd < 0 ? errno : 0;
        });
        if (path.isEmpty())
            return {};
        ClaimedFile file(path, fd);
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 ? stillNamed(fd, path) : locksUnsupported(errno))
            return file;
        // Another run took it for a leftover in the instant before the lock: a new name.
    }
    errno = EAGAIN;
    return {};
}

ClaimedFile ClaimedFile::takeOver(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    ClaimedFile file(path, fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !stillNamed(fd, path))
        return {};
    return file;
}

void ClaimedFile::remove()
{
    if (exists())
        ::unlink(QFile::encodeName(name).constData());
    release();
}

void ClaimedFile::release()
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
}
