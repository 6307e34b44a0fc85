#include "report_rules/report_sort.h"

#include "report_rules/report_rows.h"

#include <algorithm>
#include <utility>

namespace tessaly {

void sortReportByColumn(const MemberStore &store, std::vector<int> &displayed, int column)
{
    // Folding each cell once, rather than inside every comparison, keeps a sort of the
    // whole roll to one fold per member against the n log n comparisons.
    std::vector<std::pair<QString, int>> keyed;
    keyed.reserve(displayed.size());
    for (int n : displayed)
        keyed.emplace_back(reportCell(store.record(n), column).toCaseFolded(), n);

    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        return QStringView(a.first).compare(QStringView(b.first), Qt::CaseSensitive) < 0;
    });

    std::transform(keyed.begin(), keyed.end(), displayed.begin(),
                   [](const auto &entry) { return entry.second; });
}

} // namespace tessaly
