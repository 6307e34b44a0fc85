#include "core/date_text.h"
#include "core/text_codec.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

using namespace tessaly;
using namespace Qt::StringLiterals;

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
        const QDate date = QDate::fromString(expected, u"M/d/yyyy"_s);
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
    EXPECT_FALSE(isDateText(u"2/29"_s, kToday));
    EXPECT_EQ(parseDateText(u"2/29"_s, QDate(2028, 1, 1)), QDate(2028, 2, 29));
    EXPECT_FALSE(isDateText(u"7/4"_s, QDate()));
}

TEST(Windows1252, EveryByteSurvivesAndCharactersWithoutAByteBecomeOneQuestionMarkEach)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const QString text = decodeWindows1252(bytes);
    EXPECT_TRUE(canEncodeWindows1252(text));
    EXPECT_EQ(encodeWindows1252(text), bytes);
    // The defined bytes decode as the system's converter has them; the five it leaves
    // undefined stand for the C1 controls of the same number.
    const QString system = QStringDecoder("windows-1252").decode(bytes);
    ASSERT_EQ(system.size(), 256);
    for (int b = 0; b < 256; ++b) {
        const bool undefined = QByteArrayView("\x81\x8d\x8f\x90\x9d").contains(char(b));
        EXPECT_EQ(text[b], undefined ? QChar(b) : system[b]) << b;
    }

    const std::pair<QString, QByteArray> cases[] = {
        {u"a\u6771b"_s, "a?b"},
        {u"\U0001F600!"_s, "?!"},                          // one character, two UTF-16 units
        {QString(QChar(0xd800)) + QLatin1Char('x'), "?x"}, // a lone surrogate
        {u"\u0080\u0100"_s, "??"},                         // a C1 control with no byte of its own
        {u"\u20ac\u2122\"\u0081"_s, "\x80\x99\"\x81"},
    };
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(encodeWindows1252(in), out) << in.toStdString();
        EXPECT_EQ(canEncodeWindows1252(in), !out.contains('?')) << in.toStdString();
        EXPECT_EQ(canEncodeWindows1252(in[0]), out[0] != '?') << in.toStdString();
    }
}
