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
