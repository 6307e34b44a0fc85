#include "core/date_text.h"

#include <gtest/gtest.h>

using namespace tessaly;

static const QDate kToday(2026, 12, 6);

// Each accepted text reads as its date and is written back as m/d/yyyy.
TEST(DateText, AcceptedForms)
{
    const std::pair<const char *, const char *> cases[] = {
        {"  07/04/2003\t", "7/4/2003"}, {"7/4/3", "7/4/2003"},      {"1/1/00", "1/1/2000"},
        {"12/31/29", "12/31/2029"},     {"1/1/30", "1/1/1930"},     {"12/31/99", "12/31/1999"},
        {" 07/04 ", "7/4/2026"},        {"7-4-2003", "7/4/2003"},   {"25.12.1950", "12/25/1950"},
        {"2003/7/4", "7/4/2003"},       {"13/1/02", "1/13/2002"},   {"31/12", "12/31/2026"},
        {"12/13/2002", "12/13/2002"},   {"2/29/2004", "2/29/2004"}, {"2/29/2000", "2/29/2000"},
        {"2/29/96", "2/29/1996"},       {"1/1/1000", "1/1/1000"},   {"12/31/9999", "12/31/9999"},
    };
    for (const auto &[in, written] : cases) {
        const QString text = QString::fromUtf8(in), expected = QString::fromUtf8(written);
        const QDate date = QDate::fromString(expected, QStringLiteral("M/d/yyyy"));
        EXPECT_EQ(parseDateText(text, kToday), std::optional(date)) << in;
        EXPECT_TRUE(isDateText(text, kToday) && formatDate(date) == expected) << in;
        EXPECT_EQ(formatDateText(text, kToday), expected) << in;
    }
    EXPECT_EQ(formatDate(QDate()), QString());
}

// Texts that are not dates, separated by ';': each is refused and left as it was.
static const char kNotDates[] =
    ";   ;abc;7/4/2003x;x7/4/2003;2/29/2003;2/29/1900;2/29/2100;4/31/2003;0/4/2003;7/0/2003;"
    "7/32/2003;32/1/2003;25/13/2002;7/4/203;7/4/0999;7/4/12345;7//2003;7/4/2003/1;7;2003;"
    "7/4/;/7/4;7/4-2003;7,4,2003;2003/13/1;2003/2/30;2003/7;+7/4/2003;7/4/-3;1 2/4/2003;"
    "7 4 2003;007/4/2003;\u0667/4/2003;99999999999999999999/1/1";

TEST(DateText, Rejects)
{
    for (const QString &text : QString::fromUtf8(kNotDates).split(u';')) {
        EXPECT_FALSE(isDateText(text, kToday)) << text.toStdString();
        EXPECT_EQ(formatDateText(text, kToday), text);
    }
    // A year left out is today's: 2/29 only in a leap year, and never without a today.
    EXPECT_FALSE(isDateText(QStringLiteral("2/29"), kToday));
    EXPECT_EQ(parseDateText(QStringLiteral("2/29"), QDate(2028, 1, 1)), QDate(2028, 2, 29));
    EXPECT_FALSE(isDateText(QStringLiteral("7/4"), QDate()));
}
