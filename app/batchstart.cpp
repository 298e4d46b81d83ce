// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchstart.h"

#include "rowpaths.h"
#include "turns.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

RowFiles rowFiles(const JobPage &page, int row)
{
    RowFiles files;
    files.name = page.table->item(row, 0)->text();
    files.input = joinFolder(page.openEdit->text(), files.name);
    if (page.outputSuffix)
        files.output = outputPath(page.saveEdit->text(), files.input, QLatin1String(page.outputSuffix));
    return files;
}

BatchStart lookBeforeStarting(const JobPage &page, const std::array<JobPage, 4> &pages, const QTabWidget &tabs)
{
    const auto breathe = [](int row) { letTheWindowAnswerEvery(4096, row); };
    BatchStart start;
    FileIdentities identities;
    if (page.outputSuffix) {
        // Every file the user listed is one to read, on this page or another.
        for (const JobPage &listing : pages) {
            for (int row = 0; row < listing.table->rowCount(); breathe(row++))
                start.listedFiles.insert(identities.of(rowFiles(listing, row).input), tabs.tabText(listing.kind));
        }
    }
    start.inputBytes.reserve(page.table->rowCount());
    for (int row = 0; row < page.table->rowCount(); breathe(row++)) {
        const RowFiles files = rowFiles(page, row);
        start.inputBytes << sizeOf(files.input);
        if (!page.outputSuffix || !QFileInfo::exists(files.output))
            continue;
        const QString identity = identities.of(files.output);
        if (!start.listedFiles.contains(identity)) {
            start.outputsThere << QFileInfo(files.output).fileName();
            start.outputsThereAre.insert(identity);
        }
    }
    return start;
}
