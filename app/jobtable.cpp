// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobtable.h"

#include <QHeaderView>
#include <QTableWidget>

void listFiles(QTableWidget *table, const QStringList &names)
{
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(2);
    table->horizontalHeader()->resizeSection(0, 440);
    table->horizontalHeader()->resizeSection(1, 60);
    table->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Files")));
    table->setHorizontalHeaderItem(1, new QTableWidgetItem(QStringLiteral("Status")));
    // All rows at once: inserting one by one costs quadratic time on long lists.
    table->setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row)
        table->setItem(row, 0, new QTableWidgetItem(names.at(row)));
}

void setStatus(QTableWidget *table, int row, const QString &status)
{
    table->setItem(row, 1, new QTableWidgetItem(status));
}
