#pragma once

#include <QStringList>

// Sorts picked files as a page lists them: by name, case-insensitively,
// from A to Z.
void sortForListing(QStringList &files);
