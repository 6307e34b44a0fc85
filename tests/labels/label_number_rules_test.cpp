#include "labels/label_number_rules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

constexpr LabelBox kAllBoxes[] = {
    LabelBox::Rows,       LabelBox::Columns,     LabelBox::TopMargin,
    LabelBox::LeftMargin, LabelBox::LabelHeight, LabelBox::LabelWidth,
    LabelBox::StartRow,   LabelBox::StartColumn, LabelBox::FontSize,
};

TEST(LabelKeys, OnlyDigitsDotAndBackspacePass)
{
    const QString passing = u"0123456789."_s;
    for (const QChar c : passing)
        EXPECT_TRUE(labelKeyPasses(c)) << c.unicode();
    EXPECT_TRUE(labelKeyPasses(QChar(8)));
    const QString refused = u"/-+ ,aZe\t\r\u00bd\u0661\u00b9:"_s;
    for (const QChar c : refused)
        EXPECT_FALSE(labelKeyPasses(c)) << c.unicode();
    EXPECT_FALSE(labelKeyPasses(QChar(0)));
    EXPECT_FALSE(labelKeyPasses(QChar(27)));
    EXPECT_FALSE(labelKeyPasses(QChar(127)));
}

TEST(LabelNumbers, NumericValue)
{
    const struct {
        QString text;
        std::optional<double> value;
    } cases[] = {
        {u"1.5"_s, 1.5},
        {u"10"_s, 10},
        {u".52"_s, 0.52},
        {u"0.52"_s, 0.52},
        {u"5."_s, 5},
        {u" 2.75 "_s, 2.75},
        {u"\t3\t"_s, 3},
        {u"007"_s, 7},
        {u"0"_s, 0},
        {QString(), {}},
        {u"   "_s, {}},
        {u"."_s, {}},
        {u"-1"_s, {}},
        {u"+1"_s, {}},
        {u"1e3"_s, {}},
        {u"1E3"_s, {}},
        {u"1,000"_s, {}},
        {u"1.2.3"_s, {}},
        {u"1..2"_s, {}},
        {u"a"_s, {}},
        {u"1a"_s, {}},
        {u"1 2"_s, {}},
        {u"/"_s, {}},
        {u"0x10"_s, {}},
        {u"inf"_s, {}},
        {u"nan"_s, {}},
        {u"\u0661"_s, {}},
        {u"1\u00a0"_s, {}},
        {u"1"_s + QString(400, u'0'), {}},
    };
    for (const auto &[text, value] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(numericValue(text), value);
    }
}

TEST(LabelNumbers, LeaveRules)
{
    const struct {
        LabelBox box;
        QString text;
        QString columns;
        QString left;
    } cases[] = {
        // Numbers stay as typed, whatever their value.
        {LabelBox::Rows, u"12"_s, {}, u"12"_s},
        {LabelBox::Rows, u"0"_s, {}, u"0"_s},
        {LabelBox::Columns, u"2.5"_s, {}, u"2.5"_s},
        {LabelBox::TopMargin, u" .52 "_s, {}, u" .52 "_s},
        {LabelBox::LabelWidth, u"4"_s, {}, u"4"_s},
        // Not numeric: "1", the margins included (not ".52" and ".1"), "2.75" for the width.
        {LabelBox::Rows, QString(), {}, u"1"_s},
        {LabelBox::Columns, u"x"_s, {}, u"1"_s},
        {LabelBox::TopMargin, QString(), {}, u"1"_s},
        {LabelBox::LeftMargin, u"1..2"_s, {}, u"1"_s},
        {LabelBox::LabelHeight, u"-1"_s, {}, u"1"_s},
        {LabelBox::LabelWidth, u"wide"_s, {}, u"2.75"_s},
        {LabelBox::LabelWidth, QString(), {}, u"2.75"_s},
        // The start row has no range rule.
        {LabelBox::StartRow, u"0"_s, u"3"_s, u"0"_s},
        {LabelBox::StartRow, u"25"_s, u"3"_s, u"25"_s},
        {LabelBox::StartRow, u"a"_s, u"3"_s, u"1"_s},
        // The start column: numeric, above 0, not above the columns.
        {LabelBox::StartColumn, u"0"_s, u"3"_s, u"1"_s},
        {LabelBox::StartColumn, u"4"_s, u"3"_s, u"1"_s},
        {LabelBox::StartColumn, u"b"_s, u"3"_s, u"1"_s},
        {LabelBox::StartColumn, u"3"_s, u"12"_s, u"3"_s},
        {LabelBox::StartColumn, u"3"_s, u"3"_s, u"3"_s},
        {LabelBox::StartColumn, u"2.5"_s, u"3"_s, u"2.5"_s},
        {LabelBox::StartColumn, u"3.5"_s, u"3"_s, u"1"_s},
        {LabelBox::StartColumn, u"1"_s, u"x"_s, u"1"_s},
        {LabelBox::StartColumn, u"2"_s, QString(), u"1"_s},
        // The font size: numeric and at least 1.
        {LabelBox::FontSize, u"0.5"_s, {}, u"10"_s},
        {LabelBox::FontSize, u"0"_s, {}, u"10"_s},
        {LabelBox::FontSize, u"a"_s, {}, u"10"_s},
        {LabelBox::FontSize, QString(), {}, u"10"_s},
        {LabelBox::FontSize, u"1"_s, {}, u"1"_s},
        {LabelBox::FontSize, u"12.5"_s, {}, u"12.5"_s},
    };
    for (const auto &[box, text, columns, left] : cases) {
        SCOPED_TRACE(static_cast<int>(box));
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(leaveText(box, text, columns), left);
    }
}

TEST(LabelNumbers, PastedLettersAreCaughtOnLeavingEveryBox)
{
    for (const LabelBox box : kAllBoxes) {
        SCOPED_TRACE(static_cast<int>(box));
        const QString left = leaveText(box, u"abc"_s, u"3"_s);
        EXPECT_TRUE(numericValue(left)) << left.toStdString();
    }
}

TEST(LabelNumbers, PreviewSizeWhileTyping)
{
    EXPECT_EQ(previewSizeWhileTyping(u"0.5"_s), std::nullopt);
    EXPECT_EQ(previewSizeWhileTyping(u"."_s), std::nullopt);
    EXPECT_EQ(previewSizeWhileTyping(QString()), std::nullopt);
    EXPECT_EQ(previewSizeWhileTyping(u"0.9999999"_s), std::nullopt);
    EXPECT_EQ(previewSizeWhileTyping(u"0.99999995"_s), 0.99999995);
    EXPECT_EQ(previewSizeWhileTyping(u"1"_s), 1.0);
    EXPECT_EQ(previewSizeWhileTyping(u"14."_s), 14.0);
    EXPECT_EQ(previewSizeWhileTyping(u"1.2.3"_s), std::nullopt);
}

} // namespace
} // namespace tessaly
