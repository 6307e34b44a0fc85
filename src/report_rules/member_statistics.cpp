#include "report_rules/member_statistics.h"

namespace tessaly {

namespace {

bool isExactlyYes(const QString &value)
{
    return value.size() == 1 && value.at(0) == QLatin1Char('Y');
}

} // namespace

MemberStatistics memberStatistics(const MemberStore &store)
{
    MemberStatistics statistics;
    statistics.total = store.count();
    for (int n = 1; n <= store.count(); ++n) {
        const MemberRecord &record = store.record(n);
        if (isExactlyYes(record[Field::ArrlMember]))
            ++statistics.arrl;
        if (isExactlyYes(record[Field::VotingMember]))
            ++statistics.voting;
    }
    return statistics;
}

QString statisticsCountText(int count)
{
    return QString::number(count) + QStringLiteral("  ");
}

QString arrlPercentText(const MemberStatistics &statistics)
{
    if (statistics.total <= 0)
        return QStringLiteral("0%");
    // floor(100 * arrl / total + 1/2) in whole numbers, so that a share of exactly
    // half a percent goes up the same way on every machine.
    const long long total = statistics.total;
    const long long percent = (200LL * statistics.arrl + total) / (2 * total);
    return QString::number(percent) + QLatin1Char('%');
}

} // namespace tessaly
