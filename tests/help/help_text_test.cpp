#include "help/help_texts.h"

#include "special_files.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// Every byte is one Windows-1252 character (\351 is e acute, \200 the euro sign). readtess.txt
// is read only as a regular file of at most 16 MB. Anything else (a FIFO, which would keep the
// window from opening, /dev/zero, a folder, a file too large) is, like a missing file, an empty
// page; the reader names the file and the reason, and the page says it, but for a missing file.
TEST(HelpText, ReadsReadtessTxtWholeOrNothingFromASpecialOrOversizedFile)
{
    TempRoll files;
    Outcome failure;
    EXPECT_EQ(readHelpText(files.dir(), &failure), QString());
    EXPECT_EQ(failure.reason, u"No such file or directory"_s);
    EXPECT_EQ(helpPageText(files.dir()), QString());
    files.write(u"readtess.txt"_s, "Tessaly Help\r\n\r\nCaf\351 dues: \2005.\r\n\"Queries\" menu");
    EXPECT_EQ(readHelpText(files.dir(), &failure),
              u"Tessaly Help\r\n\r\nCaf\u00e9 dues: \u20ac5.\r\n\"Queries\" menu"_s);
    EXPECT_TRUE(failure.ok());
    files.write(u"readtess.txt"_s, QByteArray(kLargestHelpTextBytes - 2, 'x') + "\r\n");
    EXPECT_EQ(readHelpText(files.dir(), &failure).size(), kLargestHelpTextBytes);
    for (const SpecialCase &c : specialCases()) {
        SCOPED_TRACE(c.shape);
        TempRoll folder;
        const SpecialFile special(c.kind, folder.path(u"readtess.txt"_s), kLargestHelpTextBytes);
        const HangGuard guard(60);
        EXPECT_EQ(readHelpText(folder.dir(), &failure), QString());
        EXPECT_EQ(failure.reason, u"readtess.txt "_s + special.reason(u"16 MB"_s));
        EXPECT_EQ(helpPageText(folder.dir()),
                  u"The help page cannot be shown: readtess.txt "_s + special.reason(u"16 MB"_s) +
                      u'.');
    }
}

TEST(HelpCopy, IsTheTextBetweenDoubleQuotesAsItStands)
{
    EXPECT_EQ(helpCopyBytes(u"Say \"hi\"\r\nCaf\u00e9"_s),
              QByteArray("\"Say \"hi\"\r\nCaf\351\"\r\n"));
    TempRoll files;
    ASSERT_TRUE(writeHelpCopy(files.dir(), u"x"_s).ok());
    EXPECT_EQ(files.read(u"HelpACL.txt"_s), QByteArray("\"x\"\r\n"));
}

} // namespace
} // namespace tessaly::testing
