#include "roll/roll_messages.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

// The plural wordings are checked whole where the main window shows them; one member or one
// damaged record reads in the singular.
TEST(RollMessages, OneMemberOrRecordIsWordedInTheSingular)
{
    const QString path = u"/home/club/AddrClub.dat"_s;
    EXPECT_TRUE(surplusMessage(path, 1).startsWith(
        u"/home/club/AddrClub.dat holds 1 more member than Tessaly"_s));
    EXPECT_TRUE(damagedRollMessage(path, 1, 7)
                    .startsWith(u"/home/club/AddrClub.dat holds 1 record that does not look like "
                                u"the records Tessaly "
                                u"writes, on line 7: a value"_s));
}

} // namespace tessaly
