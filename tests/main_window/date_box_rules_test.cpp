#include "main_window/date_box_rules.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

const QDate kToday(2026, 12, 6);

struct LeaveCase {
    const char *name;
    QString typed;
    QString result;
    bool valid;
};

class LeaveDateBoxTest : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(LeaveDateBoxTest, TrimsAndWritesDatesAsMonthDayYear)
{
    const LeaveCase &c = GetParam();
    const DateBoxLeave outcome = leaveDateBox(c.typed, kToday);
    EXPECT_EQ(outcome.text, c.result);
    EXPECT_EQ(outcome.valid, c.valid);
}

INSTANTIATE_TEST_SUITE_P(
    DateBoxes, LeaveDateBoxTest,
    ::testing::Values(LeaveCase{"Empty", {}, {}, true}, LeaveCase{"BlanksOnly", u"   "_s, {}, true},
                      LeaveCase{"LeadingZerosAndBlanks", u" 07/04/2003 "_s, u"7/4/2003"_s, true},
                      LeaveCase{"AlreadyWritten", u"12/25/2002"_s, u"12/25/2002"_s, true},
                      LeaveCase{"MonthAndDayTakeThisYear", u"7/4"_s, u"7/4/2026"_s, true},
                      LeaveCase{"TwoDigitYear", u"7/4/03"_s, u"7/4/2003"_s, true},
                      LeaveCase{"LeapDay", u"2/29/2004"_s, u"2/29/2004"_s, true},
                      LeaveCase{"NoThirtiethOfFebruary", u"2/30/2003"_s, u"2/30/2003"_s, false},
                      LeaveCase{"NoLeapDayIn2003", u"2/29/2003"_s, u"2/29/2003"_s, false},
                      LeaveCase{"MonthAndDayOutOfRange", u" 13/45/2003 "_s, u"13/45/2003"_s, false},
                      LeaveCase{"SlashesOnly", u"//"_s, u"//"_s, false}),
    [](const ::testing::TestParamInfo<LeaveCase> &info) { return std::string(info.param.name); });

TEST(ProposedDate, IsTodayWithoutLeadingZeros)
{
    EXPECT_EQ(proposedDateText(QDate(2026, 3, 5)), u"3/5/2026"_s);
    EXPECT_EQ(proposedDateText(QDate(2003, 12, 25)), u"12/25/2003"_s);
}

} // namespace
} // namespace tessaly
