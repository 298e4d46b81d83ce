// SPDX-License-Identifier: GPL-3.0-or-later
#include "listingorder.h"

#include "filenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

// The pages' suffixes as bytes, for comparing with names as they come.
QByteArrayList suffixBytes(const QStringList &suffixes)
{
    QByteArrayList bytes;
    for (const QString &suffix : suffixes)
        bytes << suffix.toLatin1();
    return bytes;
}

// The page whose suffix the name ends in, in any case; -1 for none.
qsizetype pageTaking(const QByteArray &name, const QByteArrayList &suffixes)
{
    for (qsizetype page = 0; page < suffixes.size(); ++page) {
        const QByteArray &suffix = suffixes[page];
        if (!suffix.isEmpty() && name.size() >= suffix.size()
            && qstrnicmp(name.constData() + name.size() - suffix.size(), suffix.constData(), suffix.size()) == 0)
            return page;
    }
    return -1;
}

// A name with a NUL is none: the system would look at the name before it.
bool isFolder(const QByteArray &path)
{
    struct stat status = {};
    return !path.contains('\0') && stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool isFile(const QByteArray &path)
{
    struct stat status = {};
    return !path.contains('\0') && stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
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

FilesForPages sortOutFiles(const QByteArrayList &paths, const QStringList &suffixes, const std::function<void()> &breathe)
{
    FilesForPages sorted;
    sorted.pages.resize(suffixes.size());
    // Each page's folder, and the files it has taken: looked up, not searched, for long lists.
    QList<QString> pageFolders(suffixes.size());
    QList<QSet<QString>> taken(suffixes.size());
    const QByteArrayList suffixesAsBytes = suffixBytes(suffixes);
    qsizetype looked = 0;
    for (const QByteArray &named : paths) {
        if (breathe && ++looked % 4096 == 0)
            breathe();
        const auto leaveOut = [&](FilesForPages::Reason reason) { sorted.leftOut.append({escapedName(named), reason}); };
        const qsizetype page = pageTaking(named, suffixesAsBytes);
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
        QString path = QString::fromUtf8(absolute);
        if (path.contains(QLatin1String("/.")) || path.contains(QLatin1String("//")))
            path = QDir::cleanPath(path);
        const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
        if (pageFolders[page].isEmpty())
            pageFolders[page] = folder;
        if (folder != pageFolders[page]) {
            leaveOut(FilesForPages::OtherFolder);
            continue;
        }
        if (!taken[page].contains(path)) {
            taken[page].insert(path);
            sorted.pages[page].append(path);
        }
        sorted.lastPage = int(page);
    }
    for (QStringList &taken : sorted.pages)
        sortForListing(taken);
    return sorted;
}

namespace {

// The local file's name as its own bytes (decoded to text, "%E9" would turn
// into U+FFFD), or nothing for an address that names no local file. Such an
// address names a file from the root: "file:a.wav" would otherwise lead to
// one in the program's working folder.
QByteArray localPathOf(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return path.startsWith('/') && !path.contains('\0') ? path : QByteArray();  // no name holds a NUL
}

} // namespace

bool carriesFilesToList(const QList<QUrl> &urls, const QStringList &suffixes, const std::function<bool(int page)> &pageOn)
{
    const QByteArrayList suffixesAsBytes = suffixBytes(suffixes);
    return std::any_of(urls.cbegin(), urls.cend(), [&](const QUrl &url) {
        const QByteArray path = localPathOf(url);
        if (path.isEmpty())
            return false;
        const qsizetype page = pageTaking(path, suffixesAsBytes);
        return page >= 0 ? pageOn(int(page)) : isFolder(path);
    });
}

QByteArrayList filesOfDrop(const QList<QUrl> &urls, const QStringList &suffixes)
{
    const QByteArrayList suffixesAsBytes = suffixBytes(suffixes);
    QByteArrayList files;
    for (const QUrl &url : urls) {
        const QByteArray path = localPathOf(url);
        if (path.isEmpty())
            continue;
        if (!isFolder(path)) {
            files << path;
            continue;
        }
        // Hidden files, such as unfinished outputs, are no one's pick. The folder tells
        // which entries are files; only a link or an unknown kind is looked at.
        const QByteArray folder = path.endsWith('/') ? path : path + '/';
        DIR *entries = opendir(folder.constData());
        while (const dirent *entry = entries ? readdir(entries) : nullptr) {
            const QByteArray name(entry->d_name);
            const QByteArray file = folder + name;
            if (!name.startsWith('.') && pageTaking(name, suffixesAsBytes) >= 0
                && (entry->d_type == DT_REG || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) && isFile(file))))
                files << file;
        }
        if (entries)
            closedir(entries);
    }
    return files;
}
