// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobpage.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <array>

class QTabWidget;

// The files of a row as its page's folder fields say them now.
RowFiles rowFiles(const JobPage &page, int row);

// What a batch looks at before it starts, once for every row, in turns of a
// few thousand rows (turns.h).
struct BatchStart {
    // The files listed on any page (with its title): no output may land on one.
    QHash<QString, QString> listedFiles;
    // The outputs already there and listed on no page: their names, and who they are.
    QStringList outputsThere;
    QSet<QString> outputsThereAre;
    QList<qint64> inputBytes;  // of the page's rows
};
BatchStart lookBeforeStarting(const JobPage &page, const std::array<JobPage, 4> &pages, const QTabWidget &tabs);
