// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DesktopIntegration;
class QTableWidget;
class QWidget;

// A batch ran to its end: the bell, and a box with the page's `message`,
// how many of its files failed and the first five of them, and how many
// carry a warning; the desktop is told the same in short.
void tellHowItEnded(QWidget *window, DesktopIntegration &desktop, const QTableWidget *table, const QString &message);

// The keyboard focus goes to the first row that did not end "OK.", or the
// first row, so that a screen reader says how the batch ended.
void focusRowToLookAt(QTableWidget *table);
