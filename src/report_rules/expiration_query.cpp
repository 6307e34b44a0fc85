#include "report_rules/expiration_query.h"

#include "core/date_text.h"

#include <numeric>

namespace tessaly {

std::vector<int> membersExpiringBefore(const MemberStore &store, Field dateField,
                                       const QDate &queryDate, const QDate &today)
{
    std::vector<int> listed;
    if (!queryDate.isValid())
        return listed;
    for (int n = 1; n <= store.count(); ++n) {
        const std::optional<QDate> date = parseDateText(store.field(n, dateField), today);
        if (date && *date < queryDate)
            listed.push_back(n);
    }
    return listed;
}

std::vector<int> membersWithDuesNotPaid(const MemberStore &store)
{
    std::vector<int> listed;
    for (int n = 1; n <= store.count(); ++n) {
        if (!isYes(store.field(n, Field::DuesPaid)))
            listed.push_back(n);
    }
    return listed;
}

std::vector<int> allMembers(const MemberStore &store)
{
    std::vector<int> listed(static_cast<std::size_t>(store.count()));
    std::iota(listed.begin(), listed.end(), 1);
    return listed;
}

} // namespace tessaly
