// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTableWidget;
class QWidget;

// What a screen reader is told beyond what Qt 6.4 tells it by itself. Each
// does nothing while no screen reader listens.

// Says a control's new name, such as a focused start button's "Stop". Qt 6.4
// sends the control itself where the new name belongs, and Orca drops that.
void announceNewName(QWidget *control);

// An empty field reports a caret move before its focus the first time it
// gets the focus, and Orca then takes it as announced and says only "tab".
// Settles the caret of every field in the window beforehand.
void settleCarets(QWidget *window);

// A table that gets the focus names itself after its current cell, so a
// screen reader hears no row: the current cell is named again once the
// table has the focus, and the table gets a current cell, its first row's
// file, if it had none.
void readCurrentRowOnEntry(QTableWidget *table);
