// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptoriginal.h"

#include "durablefiles.h"

#include <QDir>
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

// The hard link that goes with a note: the note's name with the file's suffix.
QString linkBeside(const QString &notePath, const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    const QString stem = notePath.chopped(keptOriginalNoteSuffix.size());
    return suffix.isEmpty() ? stem : stem + QLatin1Char('.') + suffix;
}

// The note holds the file's name, then the tool's temporaries, each ended by a NUL.
QByteArray noteText(const QString &path, const QSet<QString> &toolTemporaries)
{
    QByteArray text = QFile::encodeName(QFileInfo(path).fileName()) + '\0';
    for (const QString &name : toolTemporaries)
        text += QFile::encodeName(name) + '\0';
    return text;
}

int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return errno;
        done += std::max<ssize_t>(written, 0);
    }
    return 0;
}

// Puts the kept original back under the file's name and flushes the folder;
// false when it cannot be renamed there. Renaming one name of a file onto
// another does nothing: where the tool left the file as it was, the kept name just goes.
bool restore(const QString &link, const QString &path)
{
    const QByteArray kept = QFile::encodeName(link), name = QFile::encodeName(path);
    if (sameFile(kept, name)) {
        ::unlink(kept.constData());
        return true;
    }
    if (std::rename(kept.constData(), name.constData()) != 0)
        return false;
    flushFolderOf(path);
    return true;
}

} // namespace

KeptOriginal KeptOriginal::keep(const QString &path, const QSet<QString> &toolTemporariesBefore)
{
    KeptOriginal original;
    original.path = path;
    original.before = readWaveHeader(path);
    const QByteArray name = QFile::encodeName(path);
    const QString noteBeside = QFileInfo(path).dir().filePath(QStringLiteral("note") + keptOriginalNoteSuffix);
    for (int attempt = 0; attempt < 10; ++attempt) {
        // The note comes first: a hidden link without one would look like any leftover.
        original.note = ClaimedFile::createBeside(noteBeside);
        if (!original.note.exists()) {
            original.keepError = errno;
            return original;
        }
        if (const int error = writeAll(original.note.fd(), noteText(path, toolTemporariesBefore))) {
            original.note.remove();
            original.keepError = error;
            return original;
        }
        original.link = linkBeside(original.note.path(), QFileInfo(path).fileName());
        if (::link(name.constData(), QFile::encodeName(original.link).constData()) == 0)
            return original;
        const int linkError = errno;
        original.link.clear();
        if (linkError == EEXIST) {
            original.note.remove();
            continue;
        }
        if (!takesNoHardLinks(linkError))
            original.keepError = linkError;
        else if (!hasRoomFor(path))
            original.keepError = ENOSPC;
        if (original.keepError)
            original.note.remove();
        return original;
    }
    original.note.remove();
    original.keepError = EEXIST;
    return original;
}

bool KeptOriginal::rewriteIsWhole() const
{
    return keepsAllFrames(before, path);
}

int KeptOriginal::letGo()
{
    int error = flushFile(path);
    if (error == 0)
        error = flushFolderOf(path);
    if (error != 0) {
        putBack();
        return error;
    }
    if (!link.isEmpty())
        ::unlink(QFile::encodeName(link).constData());
    link.clear();
    note.remove();
    return 0;
}

void KeptOriginal::putBack()
{
    if (!link.isEmpty())
        restore(link, path);
    link.clear();
    note.remove();
}

QSet<QString> settleAbandonedOriginal(ClaimedFile note)
{
    QFile file(note.path());
    const QList<QByteArray> fields = file.open(QIODevice::ReadOnly) ? file.readAll().split('\0') : QList<QByteArray>();
    QSet<QString> toolTemporaries;
    for (qsizetype field = 1; field < fields.size(); ++field)
        toolTemporaries.insert(QFile::decodeName(fields[field]));
    const QString fileName = QFile::decodeName(fields.value(0));
    // A note cut short names no file: its row never got as far as keeping one.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName == QLatin1String("..")) {
        note.remove();
        return toolTemporaries;
    }
    const QString path = QFileInfo(note.path()).dir().filePath(fileName);
    const QString link = linkBeside(note.path(), fileName);
    if (QFile::exists(link)) {
        // The tool replaced the file whole: its rewrite stands, once on the disk.
        const bool rewriteStands = QFileInfo::exists(path) && !sameFile(QFile::encodeName(link), QFile::encodeName(path))
                                && keepsAllFrames(readWaveHeader(link), path) && flushFile(path) == 0;
        if (rewriteStands)
            ::unlink(QFile::encodeName(link).constData());
        else if (!restore(link, path))
            return toolTemporaries;  // the note stays, and with it the original
    }
    note.remove();
    return toolTemporaries;
}
