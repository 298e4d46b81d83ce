// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The lame options that tag an MP3 with track number (N), artist (A) and
// title (T) cut out of the WAV file's name by a pattern such as "N-A-T".
// Always one option and one value per letter, in pattern order, then
// "--add-id3v2". Never fails and rejects nothing. A name that does not
// hold the pattern's separators is all title: its whole base name goes to
// the title (to the first field of a pattern without T), the rest is empty.
QStringList id3Arguments(QString pattern, QString fileName);

// The tag a file will get, as a user reads it: "Nr.: 03 · Artist: … ·
// Titel: …" for the pattern's letters, "–" for an empty field; for a name
// that does not fit the pattern, a sentence that says so before it.
QString tagPreview(const QString &pattern, const QString &fileName);
