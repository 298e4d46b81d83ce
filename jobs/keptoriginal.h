// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audiofiles.h"
#include "claimedfile.h"

#include <QSet>
#include <QString>

// The original of a WAV that a tool rewrites in place: normalize-audio
// writes a new file and renames it over the old one, even when the disk ran
// full on the way. The original is kept under a hidden hard link beside the
// file, which costs no space, until the rewritten file has been checked and
// is on the disk; then it is let go, or put back under its name, byte for byte.
//
// A hidden note beside it, claimed while the row runs, names the file and
// the tool's temporaries there before the row: what the next run needs to
// set right what a killed one left.
class KeptOriginal
{
public:
    KeptOriginal() = default;  // keeps nothing

    // Keeps the original of `path`, a WAV, noting the tool temporaries
    // already in its folder. Where its folder takes no hard links (a FAT
    // stick, some network shares) nothing can be put back, and the disk must
    // at least have room for the whole copy the tool writes.
    static KeptOriginal keep(const QString &path, const QSet<QString> &toolTemporariesBefore);

    // False: the tool must not run, for want of room or of a writable
    // folder, as error() tells (an errno; ENOSPC for want of room).
    bool allowsRun() const { return error() == 0; }
    int error() const { return keepError; }
    bool isKept() const { return !link.isEmpty(); }  // the original can be put back
    // The file is whole, with as many sample frames as before, in the same format.
    bool rewriteIsWhole() const;
    // The rewrite stands once it and its folder are flushed; only then does
    // the original go. 0, or the errno of a flush that failed, after which
    // the original is back where it could be kept.
    int letGo();
    void putBack();  // the rewrite is undone, if the original could be kept

private:
    QString path;
    QString link;  // empty: nothing kept
    ClaimedFile note;
    WaveHeader before;
    int keepError = 0;
};

// The notes' names end in it.
inline const QString keptOriginalNoteSuffix = QStringLiteral(".note");

// Sets right what a killed run left of a file rewritten in place, from its
// note, taken over: the original is put back when the file is missing or
// not whole, and let go otherwise; then the note goes. Gives the tool
// temporaries that were in the folder before that row began.
QSet<QString> settleAbandonedOriginal(ClaimedFile note);
