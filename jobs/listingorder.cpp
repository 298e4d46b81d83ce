#include "listingorder.h"

#include <algorithm>
#include <utility>
#include <vector>

void sortForListing(QStringList &files)
{
    // Each name lowered once rather than twice at every comparison: long lists come up at once.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(files.size());
    for (const QString &file : std::as_const(files))
        keyed.emplace_back(file.toLower(), file);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (qsizetype i = 0; i < files.size(); ++i)
        files[i] = keyed[i].second;
}
