// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiofiles.h"

#include <QString>

// The original of a WAV that a tool rewrites in place: normalize-audio
// writes a new file and renames it over the old one, even when the disk ran
// full on the way. The original is kept under a hidden hard link beside the
// file, which costs no space, until the rewritten file has been checked;
// then it is let go, or put back under its name, byte for byte.
class KeptOriginal
{
public:
    KeptOriginal() = default;  // keeps nothing

    // Keeps the original of `path`, a WAV. Where its folder takes no hard
    // links (a FAT stick, some network shares) nothing can be put back, and
    // the disk must at least have room for the whole copy the tool writes.
    static KeptOriginal keep(const QString &path);

    // False: the tool must not run, for want of room or of a writable
    // folder, as error() tells (an errno; ENOSPC for want of room).
    bool allowsRun() const { return error() == 0; }
    int error() const { return keepError; }
    bool isKept() const { return !link.isEmpty(); }  // the original can be put back
    // The file is whole, with as many sample frames as before, in the same format.
    bool rewriteIsWhole() const;
    void letGo();    // the rewrite stands
    void putBack();  // the rewrite is undone, if the original could be kept

private:
    QString path;
    QString link;  // empty: nothing kept
    WaveHeader before;
    int keepError = 0;
};
