#include "main_window/entry_text_filter.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

struct FilterCase {
    const char *name;
    QString input;
    QString singleLine;
    QString multiLine;
};

class EntryTextFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(EntryTextFilterTest, KeepsOnlyWhatTheDataFileCanHold)
{
    const FilterCase &c = GetParam();
    EXPECT_EQ(filterSingleLineText(c.input), c.singleLine);
    EXPECT_EQ(filterMultiLineText(c.input), c.multiLine);
}

INSTANTIATE_TEST_SUITE_P(
    PastedText, EntryTextFilterTest,
    ::testing::Values(FilterCase{"Unchanged", u"Smith, Jr."_s, u"Smith, Jr."_s, u"Smith, Jr."_s},
                      FilterCase{"Quotes", u"say \"golf\""_s, u"say golf"_s, u"say golf"_s},
                      FilterCase{"Windows1252Letters", u"Ren\u00e9e \u20ac5 \u0160"_s,
                                 u"Ren\u00e9e \u20ac5 \u0160"_s, u"Ren\u00e9e \u20ac5 \u0160"_s},
                      FilterCase{"OutsideTheCodePage", u"A\u0416B\u4E2DC"_s, u"ABC"_s, u"ABC"_s},
                      FilterCase{"CrLf", u"12 Oak St\r\nApt 4"_s, u"12 Oak StApt 4"_s,
                                 u"12 Oak St\nApt 4"_s},
                      FilterCase{"LoneCrAndLf", u"a\rb\nc"_s, u"abc"_s, u"a\nb\nc"_s},
                      FilterCase{"UnicodeSeparators", u"a\u2028b\u2029c"_s, u"abc"_s, u"a\nb\nc"_s},
                      FilterCase{"Tab", u"a\tb"_s, u"ab"_s, u"a\tb"_s},
                      FilterCase{"Empty", {}, {}, {}}),
    [](const ::testing::TestParamInfo<FilterCase> &info) { return std::string(info.param.name); });

TEST(MultiLineBoxText, ConvertsBetweenStoredCrLfAndBoxLineBreaks)
{
    EXPECT_EQ(boxTextFromStored(u"12 Oak St\r\nApt 4\r\n"_s), u"12 Oak St\nApt 4\n"_s);
    EXPECT_EQ(storedTextFromBox(u"12 Oak St\nApt 4"_s), u"12 Oak St\r\nApt 4"_s);
    const QString stored = u"line one\r\nline two\r\n\r\nline four"_s;
    EXPECT_EQ(storedTextFromBox(boxTextFromStored(stored)), stored);
}

} // namespace
} // namespace tessaly
