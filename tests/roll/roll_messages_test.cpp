#include "roll/roll_messages.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

// Each names the file, the reason and what was kept, in the words the operator reads.
TEST(RollMessages, NameTheFileTheReasonAndWhatIsKept)
{
    const QString path = u"/home/club/AddrClub.dat"_s;
    EXPECT_EQ(saveFailureTitle(), u"Trouble saving data!"_s);
    EXPECT_EQ(saveFailureMessage(path, u"No space left on device"_s),
              u"The member roll could not be saved to /home/club/AddrClub.dat because of this "
              u"problem: No space left on device.\n\nYour change is kept in memory while Tessaly "
              u"runs. The file on disk still holds the roll as it was before this change."_s);
    EXPECT_EQ(surplusTitle(), u"Too many members!"_s);
    EXPECT_EQ(surplusMessage(path, 25),
              u"/home/club/AddrClub.dat holds 25 more members than Tessaly can keep (10,000). The "
              u"first 10,000 members were loaded.\n\nThe whole original file will be kept as "
              u"AddrClub.dat.bak beside it before the roll is first saved."_s);
    EXPECT_TRUE(surplusMessage(path, 1).startsWith(
        u"/home/club/AddrClub.dat holds 1 more member than Tessaly"_s));
    EXPECT_TRUE(damagedRollMessage(path, 1, 7).startsWith(
        u"/home/club/AddrClub.dat holds 1 record that does not look like the records Tessaly "
        u"writes, on line 7: a value"_s));
}

} // namespace tessaly
