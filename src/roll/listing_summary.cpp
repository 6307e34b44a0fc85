#include "roll/listing_summary.h"

#include "core/date_text.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

namespace {

QString members(int count)
{
    return QString::number(count) + (count == 1 ? u" member"_s : u" members"_s);
}

} // namespace

QString listingSummary(const Listing &listing, int listed, int rollCount)
{
    // With nobody on the roll every listing is the same empty list.
    if (rollCount == 0)
        return u"No members"_s;
    switch (listing.kind) {
    case Listing::Kind::All:
        return listed == 1 ? members(1) : u"All "_s + members(listed);
    case Listing::Kind::Found:
        return QString::number(listed) + u" of "_s + members(rollCount) + u" found"_s;
    case Listing::Kind::Voting:
        return QString::number(listed) + (listed == 1 ? u" voting member"_s : u" voting members"_s);
    case Listing::Kind::ClubExpiresBefore:
        return members(listed) + u": club expiration earlier than "_s + formatDate(listing.before);
    case Listing::Kind::LicenseExpiresBefore:
        return members(listed) + u": license expiration earlier than "_s +
               formatDate(listing.before);
    case Listing::Kind::DuesNotPaid:
        return members(listed) + u": dues not paid"_s;
    }
    return {};
}

} // namespace tessaly
