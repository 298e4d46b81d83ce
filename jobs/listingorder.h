// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>

// Sorts picked files as a page lists them: by name, case-insensitively,
// from A to Z.
void sortForListing(QStringList &files);

// Files named from outside the dialog (on the command line, or dropped on
// it), sorted out for the pages as Open would list them: each goes to the
// page that takes its suffix, in any case, and a page takes the files of one
// folder only, the folder of the first of them.
struct FilesForPages {
    enum Reason { UnknownType, Missing, OtherFolder, NotUtf8 };
    struct LeftOut {
        QString path;  // as named, with the bytes that are not UTF-8 escaped
        Reason reason;
    };
    QList<QStringList> pages;  // absolute paths by page, sorted for listing
    QList<LeftOut> leftOut;    // in the order they were named
    int lastPage = -1;         // the page of the last file taken
};

// `paths` are the names' own bytes, as the system gives them: a name that
// is not UTF-8 is left out, never mistaken for another. `suffixes` gives each
// page's suffix, such as ".flv", or nothing for a page that takes no files
// from outside. A relative path is taken from the working folder; a file
// named twice is taken once. Linear in the number of files, but for the
// sort; `breathe`, if given, is called every few thousand files, so that
// the window can answer while a long list is looked at.
FilesForPages sortOutFiles(const QByteArrayList &paths, const QStringList &suffixes,
                           const std::function<void()> &breathe = {});

// Whether a drag carries anything to list, decided from its addresses alone,
// without reading a folder: a local file that ends in the suffix of a page
// that `pageOn` says is on, or a local folder, whose files are read once it
// is dropped.
bool carriesFilesToList(const QList<QUrl> &urls, const QStringList &suffixes, const std::function<bool(int page)> &pageOn);

// What a drop on the window names, as bytes: its local files, and for a
// folder the files directly inside it, not hidden, that end in one of
// `suffixes` (any case). Anything else, such as a web address, is passed over.
QByteArrayList filesOfDrop(const QList<QUrl> &urls, const QStringList &suffixes);
