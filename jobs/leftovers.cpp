// SPDX-License-Identifier: GPL-3.0-or-later
#include "leftovers.h"

#include "claimedfile.h"
#include "keptoriginal.h"
#include "outputfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void clearKilledRuns(const QString &folder, QSet<QString> (*toolTemporaries)(const QString &folder))
{
    const QDir dir(folder);
    const QStringList hidden = dir.entryList({hiddenPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    if (hidden.isEmpty())
        return;
    bool inPlaceRowRunning = false;
    QSet<QString> temporariesThere, killedRowsTemporaries;
    if (toolTemporaries)
        temporariesThere = toolTemporaries(folder);
    for (const QString &name : hidden) {
        if (!name.endsWith(keptOriginalNoteSuffix))
            continue;
        ClaimedFile note = ClaimedFile::takeOver(dir.filePath(name));
        if (!note.exists()) {
            inPlaceRowRunning = inPlaceRowRunning || QFileInfo::exists(dir.filePath(name));
            continue;
        }
        killedRowsTemporaries += temporariesThere - settleAbandonedOriginal(std::move(note));
    }
    for (const QString &name : hidden) {
        // A kept original goes with its note, and a running row's stays.
        const QString note = name.left(hiddenPrefix.size() + hiddenRandomLetters) + keptOriginalNoteSuffix;
        if (name.endsWith(keptOriginalNoteSuffix) || dir.exists(note))
            continue;
        ClaimedFile::takeOver(dir.filePath(name)).remove();
    }
    // Which of the tool's temporaries belong to a row still running cannot be told: while one runs, all stay.
    if (!inPlaceRowRunning) {
        for (const QString &name : killedRowsTemporaries)
            QFile::remove(dir.filePath(name));
    }
}
