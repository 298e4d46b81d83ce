// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;

// Empties a page's table and lists the names in it from the top, with the
// "Files" and "Status" columns; the status cells stay without items.
void listFiles(QTableWidget *table, const QStringList &names);

// Writes a row's status, replacing what stood there, with the reason why it
// is not "OK.", or the warning of an "OK." with the style's warning icon
// (the cell's tooltip, and what a screen reader reads with either cell of
// the row), and the tool's command line, if it ran.
void setStatus(QTableWidget *table, int row, const QString &status, const QString &reason = QString(),
               const QString &commandLine = QString());

// The row's status, empty while it has none.
QString statusText(const QTableWidget *table, int row);

// How many rows show `status`.
int rowsWithStatus(const QTableWidget *table, const QString &status);

// How many rows ended "OK." with a warning.
int rowsWithWarning(const QTableWidget *table);

// The first row that does not show `status`, or -1.
int firstRowWithout(const QTableWidget *table, const QString &status);

// Copy (Ctrl+C, Ctrl+Insert) on the focused table copies its selected rows,
// or its current row, one line each: the file, its status, its reason and
// the tool's command line, tab-separated, for a bug report, a search or a
// terminal. Copy and Select All are also on the table's context menu, which
// the menu key, Shift+F10 or a right click opens.
void offerCopy(QTableWidget *table);
