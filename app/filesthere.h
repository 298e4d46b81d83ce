// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QWidget;

// Before a batch replaces files that are there but listed on no page (a
// song encoded earlier and tagged by hand), the user decides in one
// question, which names how many and the first few: replace them, skip
// their rows (the default), or start nothing.
enum class FilesThere { Replace, Skip, Cancel };
FilesThere askAboutFilesThere(QWidget *parent, const QStringList &names);
