// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;

// Empties a page's table and lists the names in it from the top, with the
// "Files" and "Status" columns; the status cells stay without items.
void listFiles(QTableWidget *table, const QStringList &names);

// Writes a row's status, replacing what stood there.
void setStatus(QTableWidget *table, int row, const QString &status);
