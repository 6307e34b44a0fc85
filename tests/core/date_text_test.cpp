#include "core/date_text.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

const QDate kToday(2026, 12, 6);

TEST(DateText, AcceptedForms)
{
    struct Case {
        const char *text;
        QDate date;
    };
    const Case cases[] = {
        {"7/4/2003", {2003, 7, 4}},       {"12/25/2002", {2002, 12, 25}},
        {"07/04/2003", {2003, 7, 4}},     {"  07/04/2003\t", {2003, 7, 4}},
        {" 7 / 4 / 2003 ", {2003, 7, 4}}, {"7/4/03", {2003, 7, 4}},
        {"7/4/3", {2003, 7, 4}},          {"1/1/00", {2000, 1, 1}},
        {"12/31/29", {2029, 12, 31}},     {"1/1/30", {1930, 1, 1}},
        {"12/31/99", {1999, 12, 31}},     {"7/4", {2026, 7, 4}},
        {" 07/04 ", {2026, 7, 4}},        {"7-4-2003", {2003, 7, 4}},
        {"7.4.2003", {2003, 7, 4}},       {"2003/7/4", {2003, 7, 4}},
        {"2003-07-04", {2003, 7, 4}},     {"25/12/2002", {2002, 12, 25}},
        {"13/1/02", {2002, 1, 13}},       {"31/12", {2026, 12, 31}},
        {"12/13/2002", {2002, 12, 13}},   {"2/29/2004", {2004, 2, 29}},
        {"2/29/2000", {2000, 2, 29}},     {"2/29/96", {1996, 2, 29}},
        {"1/1/1000", {1000, 1, 1}},       {"12/31/9999", {9999, 12, 31}},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(parseDateText(text, kToday), std::optional<QDate>(c.date)) << c.text;
        EXPECT_TRUE(isDateText(text, kToday)) << c.text;
    }
}

TEST(DateText, Rejects)
{
    const char *texts[] = {
        "",
        "   ",
        "abc",
        "7/4/2003x",
        "x7/4/2003",
        "2/30/2003",
        "13/45/2003",
        "2/29/2003",
        "2/29/1900",
        "2/29/2100",
        "4/31/2003",
        "0/4/2003",
        "7/0/2003",
        "7/32/2003",
        "32/1/2003",
        "25/13/2002",
        "7/4/203",
        "7/4/0999",
        "7/4/12345",
        "7//2003",
        "7/4/2003/1",
        "7",
        "2003",
        "7/4-2003",
        "2003/13/1",
        "2003/2/30",
        "2003/7",
        "7/4/",
        "/7/4",
        "+7/4/2003",
        "7/4/-3",
        "1 2/4/2003",
        "7 4 2003",
        "007/4/2003",
        "7/004/2003",
        "7,4,2003",
        "\u0667/4/2003",
        "2003/007/4",
        "99999999999999999999/1/1",
    };
    for (const char *t : texts) {
        const QString text = QString::fromUtf8(t);
        EXPECT_FALSE(isDateText(text, kToday)) << t;
        EXPECT_EQ(formatDateText(text, kToday), text) << t;
    }
}

TEST(DateText, AYearLeftOutIsTodaysYear)
{
    EXPECT_FALSE(isDateText(QStringLiteral("2/29"), QDate(2026, 12, 6)));
    EXPECT_EQ(parseDateText(QStringLiteral("2/29"), QDate(2028, 1, 1)), QDate(2028, 2, 29));
    EXPECT_FALSE(isDateText(QStringLiteral("7/4"), QDate()));
}

TEST(DateText, FormatsAsMonthDayFourDigitYear)
{
    const std::pair<const char *, const char *> cases[] = {
        {" 07/04/2003 ", "7/4/2003"}, {"12/25/02", "12/25/2002"},   {"7/4", "7/4/2026"},
        {"2003-01-09", "1/9/2003"},   {"25.12.1950", "12/25/1950"}, {"2/30/2003", "2/30/2003"},
    };
    for (const auto &[text, formatted] : cases) {
        EXPECT_EQ(formatDateText(QString::fromUtf8(text), kToday), QString::fromUtf8(formatted))
            << text;
    }
    EXPECT_EQ(formatDate(QDate(2002, 12, 25)), QStringLiteral("12/25/2002"));
    EXPECT_EQ(formatDate(QDate(2003, 7, 4)), QStringLiteral("7/4/2003"));
    EXPECT_EQ(formatDate(QDate()), QString());
}

TEST(DateText, FormattedTextReadsBackAsTheSameDate)
{
    for (QDate d(1999, 12, 25); d <= QDate(2001, 3, 5); d = d.addDays(1)) {
        const QString text = formatDate(d);
        ASSERT_EQ(parseDateText(text, kToday), std::optional<QDate>(d)) << text.toStdString();
        ASSERT_EQ(formatDateText(text, kToday), text);
    }
}

} // namespace
} // namespace tessaly
