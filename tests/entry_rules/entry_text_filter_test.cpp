#include "entry_rules/entry_text_filter.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

// Pasted text loses double quotes and what Windows-1252 cannot hold (Cyrillic, CJK) but
// keeps what it can (accents, the euro sign, S caron). A single-line box drops line breaks
// and tabs; a multi-line one keeps its tabs and makes every line break (CR LF as one, a
// lone CR or LF, the Unicode separators) a "\n".
TEST(EntryTextFilter, KeepsOnlyWhatTheDataFileCanHold)
{
    const QString pasted = u"say \"Ren\u00e9e\" \u20ac5 \u0416\u4E2D\u0160"_s;
    EXPECT_EQ(filterSingleLineText(pasted), u"say Ren\u00e9e \u20ac5 \u0160"_s);
    EXPECT_EQ(filterMultiLineText(pasted), u"say Ren\u00e9e \u20ac5 \u0160"_s);
    const QString lines = u"1\r\n2\r3\n4\u20285\u20296\t7"_s;
    EXPECT_EQ(filterSingleLineText(lines), u"1234567"_s);
    EXPECT_EQ(filterMultiLineText(lines), u"1\n2\n3\n4\n5\n6\t7"_s);
}

TEST(MultiLineBoxText, ConvertsBetweenStoredCrLfAndBoxLineBreaks)
{
    EXPECT_EQ(boxTextFromStored(u"12 Oak St\r\n\r\nApt 4\r\n"_s), u"12 Oak St\n\nApt 4\n"_s);
    EXPECT_EQ(storedTextFromBox(u"12 Oak St\n\nApt 4\n"_s), u"12 Oak St\r\n\r\nApt 4\r\n"_s);
}

// Blanks of every kind and line breaks end a word; nothing else does.
TEST(LongestUnbrokenRun, CountsTheLongestStretchWithoutABlankOrLineBreak)
{
    const std::pair<QString, qsizetype> cases[] = {
        {u""_s, 0},
        {u"   "_s, 0},
        {u"golf"_s, 4},
        {u"golf and tennis"_s, 6},
        {u"tennis\ngolf"_s, 6},
        {u"ab\tcd\u00a0efg\r\nh"_s, 3},
        {u"K3ABC,N3XYZ;W1AW"_s, 16},
        {QString(5000, u'x') + u" yy"_s, 5000},
    };
    for (const auto &[text, longest] : cases)
        EXPECT_EQ(longestUnbrokenRun(text), longest) << text.left(40).toStdString();
}

} // namespace tessaly
