#include "entry_rules/date_box_rules.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

// Blanks around the text go; an empty text is fine; a date is written m/d/yyyy (this
// year when none is given); anything else is invalid and stays as trimmed. Which texts
// are dates is for the date reading's own tests.
TEST(LeaveDateBox, TrimsAndWritesDatesAsMonthDayYear)
{
    const std::tuple<QString, QString, bool> rows[] = {{u"   "_s, QString(), true},
                                                       {u" 07/04/2003 "_s, u"7/4/2003"_s, true},
                                                       {u"7/4"_s, u"7/4/2026"_s, true},
                                                       {u" 2/29/2003 "_s, u"2/29/2003"_s, false}};
    for (const auto &[typed, result, valid] : rows) {
        const DateBoxLeave outcome = leaveDateBox(typed, QDate(2026, 12, 6));
        EXPECT_EQ(outcome.text.toStdString(), result.toStdString()) << typed.toStdString();
        EXPECT_EQ(outcome.valid, valid) << typed.toStdString();
    }
}

} // namespace tessaly
