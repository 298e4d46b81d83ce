// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;

// Empties a page's table and lists the names in it from the top, with the
// "Files" and "Status" columns; the status cells stay without items.
void listFiles(QTableWidget *table, const QStringList &names);

// Writes a row's status, replacing what stood there, with the reason why it
// is not "OK." (the cell's tooltip, read by a screen reader with the cell)
// and the tool's command line, if it ran.
void setStatus(QTableWidget *table, int row, const QString &status, const QString &reason = QString(),
               const QString &commandLine = QString());

// How many rows show `status`.
int rowsWithStatus(const QTableWidget *table, const QString &status);

// Ctrl+C (the platform's Copy) on the table copies its selected rows, one
// line each: the file, its status, its reason and the tool's command line,
// tab-separated, for a bug report, a search or a terminal.
void offerCopy(QTableWidget *table);
