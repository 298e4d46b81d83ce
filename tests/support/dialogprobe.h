#pragma once

#include "tonquirl.h"

// The tests' look inside the dialog: the counters the pages share, and the
// places where the start-up checks look for the tools.
struct DialogProbe {
    static int &currentRow(tonquirl &dialog) { return dialog.currentRow; }
    static int &fileCount(tonquirl &dialog) { return dialog.fileCount; }
    static int &wavPercent(tonquirl &dialog) { return dialog.wavPercent; }
    static int &mpPercent(tonquirl &dialog) { return dialog.mpPercent; }
    static QProcess &process(tonquirl &dialog, int page)
    {
        QProcess *processes[] = {&dialog.flvProc, &dialog.normProc, &dialog.wavProc, &dialog.mpProc};
        return *processes[page];
    }

    enum Tool { Lame = 0, Ffmpeg = 1, NormalizeAudio = 2 };
    static QString &toolPath(Tool tool) { return tonquirl::toolChecks[tool].path; }

    // Every check finds something at its path ("/" is a folder, which counts).
    static void pretendToolsInstalled()
    {
        for (Tool tool : {Lame, Ffmpeg, NormalizeAudio})
            toolPath(tool) = QStringLiteral("/");
    }
};
