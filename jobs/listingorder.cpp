// SPDX-License-Identifier: GPL-3.0-or-later
#include "listingorder.h"

#include "filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

// The page whose suffix the name ends in, in any case; -1 for none.
qsizetype pageTaking(const QByteArray &name, const QStringList &suffixes)
{
    const QByteArray lowered = name.toLower();
    for (qsizetype page = 0; page < suffixes.size(); ++page) {
        if (!suffixes[page].isEmpty() && lowered.endsWith(suffixes[page].toLower().toLatin1()))
            return page;
    }
    return -1;
}

bool isFolder(const QByteArray &path)
{
    struct stat status = {};
    return stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool isFile(const QByteArray &path)
{
    struct stat status = {};
    return stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

void sortForListing(QStringList &files)
{
    // Each name lowered once rather than twice at every comparison: long lists come up at once.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(files.size());
    for (const QString &file : std::as_const(files))
        keyed.emplace_back(file.toLower(), file);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 0; i < files.size(); ++i)
        files[i] = keyed[i].second;
}

FilesForPages sortOutFiles(const QByteArrayList &paths, const QStringList &suffixes)
{
    FilesForPages sorted;
    sorted.pages.resize(suffixes.size());
    for (const QByteArray &named : paths) {
        const auto leaveOut = [&](FilesForPages::Reason reason) { sorted.leftOut.append({escapedName(named), reason}); };
        const qsizetype page = pageTaking(named, suffixes);
        const QByteArray absolute = named.startsWith('/') ? named : QFile::encodeName(QDir::currentPath()) + '/' + named;
        if (page < 0) {
            leaveOut(FilesForPages::UnknownType);
            continue;
        }
        if (!isFile(absolute)) {
            leaveOut(FilesForPages::Missing);
            continue;
        }
        if (!isExactName(absolute)) {
            leaveOut(FilesForPages::NotUtf8);
            continue;
        }
        const QString path = QDir::cleanPath(QFile::decodeName(absolute));
        QStringList &taken = sorted.pages[page];
        if (!taken.isEmpty() && QFileInfo(taken.first()).path() != QFileInfo(path).path()) {
            leaveOut(FilesForPages::OtherFolder);
            continue;
        }
        if (!taken.contains(path))
            taken.append(path);
        sorted.lastPage = int(page);
    }
    for (QStringList &taken : sorted.pages)
        sortForListing(taken);
    return sorted;
}

QByteArrayList filesOfDrop(const QList<QUrl> &urls, const QStringList &suffixes)
{
    QByteArrayList files;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        // The name's own bytes: decoded to text, "%E9" would turn into U+FFFD.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!isFolder(path)) {
            files << path;
            continue;
        }
        // Hidden files, such as unfinished outputs, are no one's pick.
        const QByteArray folder = path.endsWith('/') ? path : path + '/';
        for (const QByteArray &name : namesInFolder(folder)) {
            const QByteArray file = folder + name;
            if (!name.startsWith('.') && pageTaking(name, suffixes) >= 0 && isFile(file))
                files << file;
        }
    }
    return files;
}
