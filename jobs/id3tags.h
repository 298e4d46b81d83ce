// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The lame options that tag an MP3 with track number (N), artist (A) and
// title (T) cut out of the WAV file's name by a pattern such as "N-A-T".
// Always one option and one value per letter, in pattern order, then
// "--add-id3v2". Never fails and rejects nothing.
QStringList id3Arguments(QString pattern, QString fileName);
