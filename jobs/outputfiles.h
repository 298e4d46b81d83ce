// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

// A tool writes its output under a hidden temporary name beside the final
// one; only a complete output is moved onto the final name. A failed or
// stopped run thus never leaves a partial file under the final name, nor
// touches a file that was there before.

// Creates an empty, hidden file in the folder of `finalPath` that ends in the
// same suffix (the tools pick the format from it), e.g.
// "/out/.tonquirl-k3XbQ9.wav" for "/out/song.wav". Gives its path, or an
// empty string when the folder cannot be written to.
QString reserveTemporaryOutput(const QString &finalPath);

// Moves a complete output onto its final name, replacing a file of that name.
bool moveIntoPlace(const QString &temporaryPath, const QString &finalPath);

// The temporary files that normalize-audio ("_norm" and six characters)
// has in `folder`; it leaves one behind when it is stopped while writing.
QSet<QString> normalizeTemporaries(const QString &folder);
