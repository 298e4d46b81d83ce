// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// Where a row's file is read from and written to. The folder fields normally
// end in "/"; a folder typed by hand may not, and is joined with one "/".

// folder + name, with one "/" between them; an empty folder gives the bare name
QString joinFolder(const QString &folder, const QString &name);

// The folder the output really goes to: the Save field's folder, or, when
// that is empty, the input file's own folder. Always ends in "/".
QString outputFolder(const QString &saveFolder, const QString &inputPath);

// outputFolder + complete base name of the input + suffix (".wav", ".mp3")
QString outputPath(const QString &saveFolder, const QString &inputPath, const QString &suffix);

// A relative path that starts with "-" would be read as an option by the
// tools; "./" in front keeps it a file name. Every other path is unchanged.
QString safeArgument(const QString &path);

// The file itself, where a path through symbolic links leads; the path as
// it is when it leads nowhere.
QString realFile(const QString &path);

// The file a path names, for telling whether two paths are the same file:
// canonical where it exists (a link to the input is the input), otherwise
// the canonical folder with the name, otherwise the cleaned absolute path.
QString fileIdentity(const QString &path);

// fileIdentity for the many paths of a batch's start: each folder is made
// canonical once, and a file costs one lstat, a link more as it is followed.
class FileIdentities
{
public:
    QString of(const QString &path);

private:
    QHash<QString, QString> canonicalFolders;  // empty where the folder is missing
};

// A file's size, or 0 where there is none.
qint64 sizeOf(const QString &path);
