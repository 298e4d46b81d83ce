// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as what a drop or the command line names: a drop's list of
// addresses, one a line, and the same lines as paths. Only real files of a
// page's kind, by their exact names, may reach a page.
#include "filenames.h"
#include "listingorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cassert>
#include <sys/stat.h>

static const QStringList suffixes{".flv", "", ".wav", ".mp3"};

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The pages' files, a hidden one, one of no page's, a folder and a name
    // that is not UTF-8; relative names are taken from here.
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QDir().mkdir("sub");
    for (const char *name : {"a.wav", "B.FLV", "c.mp3", ".hidden.wav", "d.txt", "e\xe9.wav", "sub/f.mp3"})
        QFile(QFile::decodeName(name)).open(QIODevice::WriteOnly);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const char *data, size_t size)
{
    const QByteArrayList lines = QByteArray(data, qsizetype(size)).split('\n');
    QList<QUrl> addresses;
    for (const QByteArray &line : lines) {
        // A name's text, however odd, is shown as valid text, what is not UTF-8 escaped.
        const QString escaped = escapedName(line);
        assert(QString::fromUtf8(escaped.toUtf8()) == escaped);
        assert(!isExactName(line) || escaped == QString::fromUtf8(line));
        addresses << QUrl(QString::fromUtf8(line.trimmed()));  // as a drop's text/uri-list is read
    }
    carriesFilesToList(addresses, suffixes, [](int page) { return page % 2 == 0; });
    const QByteArrayList dropped = filesOfDrop(addresses, suffixes);
    for (const QByteArray &path : dropped)
        assert(path.startsWith('/') && !path.contains('\0'));

    const FilesForPages sorted = sortOutFiles(dropped + lines, suffixes);
    for (qsizetype page = 0; page < sorted.pages.size(); ++page) {
        for (const QString &path : sorted.pages[page]) {
            struct stat status = {};
            assert(!path.contains(QChar(0)) && stat(QFile::encodeName(path).constData(), &status) == 0);
            assert(S_ISREG(status.st_mode) && !suffixes[page].isEmpty() && path.startsWith('/') && path.endsWith(suffixes[page], Qt::CaseInsensitive));
        }
    }
    for (const FilesForPages::LeftOut &left : sorted.leftOut)
        assert(QString::fromUtf8(left.path.toUtf8()) == left.path);
    return 0;
}
