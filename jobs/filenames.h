// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// File names as the system keeps them: bytes, which need not be UTF-8 (a
// Latin-1 name from an old archive). Qt shows every name as UTF-8 text, with
// U+FFFD for each byte that is not, and that text leads to another file of
// that name, or to none: such a name must never be taken for a file.

// Whether Qt's text for the name leads back to exactly these bytes.
bool isExactName(const QByteArray &path);

// The name for a message: as text, each byte that is not UTF-8 as "\xE9".
QString escapedName(const QByteArray &path);

// The names in a folder, "." and ".." left out, sorted case-insensitively.
QByteArrayList namesInFolder(const QByteArray &folder);

// The files that Qt shows under the name `path` gives (as a file chooser
// returns it) but whose names are other bytes, in that folder.
QByteArrayList namesMistakenFor(const QString &path);
