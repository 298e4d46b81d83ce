// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <functional>

// A tool writes its output under a hidden temporary name beside the final
// one; only a complete output is moved onto the final name. A failed or
// stopped run thus never leaves a partial file under the final name, nor
// touches a file that was there before.

// The hidden files' names: this prefix, this many random letters, then a suffix.
inline const QString hiddenPrefix = QStringLiteral(".tonquirl-");
constexpr int hiddenRandomLetters = 6;

// Makes a new hidden file in the folder of `finalPath`, ending in the same
// suffix (the tools pick the format from it), such as
// "/out/.tonquirl-k3XbQ9.wav" for "/out/song.wav". `create` makes the file
// under the name it is given, never over an existing one, and returns 0 or
// an errno. Gives the file's path, or an empty string with errno set.
QString createHiddenBeside(const QString &finalPath, const std::function<int(const QByteArray &path)> &create);

// Whether the disk that holds `folder` has no room left (less than 256 KiB):
// read when a tool failed, before what it wrote is removed.
bool diskIsFull(const QString &folder);

// The temporary files that normalize-audio ("_norm" and six characters)
// has in `folder`; it leaves one behind when it is stopped while writing.
QSet<QString> normalizeTemporaries(const QString &folder);
