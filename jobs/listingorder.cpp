// SPDX-License-Identifier: GPL-3.0-or-later
#include "listingorder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

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

FilesForPages sortOutFiles(const QStringList &paths, const QStringList &suffixes)
{
    FilesForPages sorted;
    sorted.pages.resize(suffixes.size());
    for (const QString &named : paths) {
        const QString path = QDir::cleanPath(QFileInfo(named).absoluteFilePath());
        qsizetype page = 0;
        while (page < suffixes.size()
               && (suffixes[page].isEmpty() || !path.endsWith(suffixes[page], Qt::CaseInsensitive)))
            ++page;
        if (page == suffixes.size()) {
            sorted.leftOut.append({named, FilesForPages::UnknownType});
            continue;
        }
        if (!QFileInfo(path).isFile()) {
            sorted.leftOut.append({named, FilesForPages::Missing});
            continue;
        }
        QStringList &taken = sorted.pages[page];
        if (!taken.isEmpty() && QFileInfo(taken.first()).path() != QFileInfo(path).path()) {
            sorted.leftOut.append({named, FilesForPages::OtherFolder});
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

QStringList filesOfDrop(const QList<QUrl> &urls, const QStringList &suffixes)
{
    QStringList patterns;
    for (const QString &suffix : suffixes) {
        if (!suffix.isEmpty())
            patterns << QLatin1Char('*') + suffix;
    }
    QStringList files;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        // Hidden files, such as unfinished outputs, are no one's pick.
        const QDir folder(path, QString(), QDir::Name | QDir::IgnoreCase, QDir::Files);
        for (const QString &name : folder.entryList(patterns))
            files << folder.filePath(name);
    }
    return files;
}
