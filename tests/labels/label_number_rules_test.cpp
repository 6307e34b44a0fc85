#include "labels/label_number_rules.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

TEST(LabelKeys, OnlyDigitsDotAndBackspacePass)
{
    for (const QChar c : u"0123456789.\b"_s)
        EXPECT_TRUE(labelKeyPasses(c)) << c.unicode();
    for (const QChar c : u"/-+ ,aZe\t\u0661\u00b9\x1b"_s)
        EXPECT_FALSE(labelKeyPasses(c)) << c.unicode();
}

TEST(LabelNumbers, NumericValue)
{
    EXPECT_EQ(numericValue(u".52"_s), 0.52);
    EXPECT_EQ(numericValue(u"5."_s), 5);
    EXPECT_EQ(numericValue(u" 2.75\t"_s), 2.75);
    for (const QString &text : {QString(), u"."_s, u"-1"_s, u"1e3"_s, u"1.2.3"_s, u"1 2"_s,
                                u"inf"_s, u"\u0661"_s, u"1\u00a0"_s, u"1"_s + QString(400, u'0')})
        EXPECT_EQ(numericValue(text), std::nullopt) << text.toStdString();
}

TEST(LabelNumbers, LeaveRules)
{
    const struct {
        LabelBox box;
        QString text;
        QString columns;
        QString left;
    } cases[] = {
        {LabelBox::Rows, u"0"_s, {}, u"0"_s},
        {LabelBox::Rows, QString(), {}, u"1"_s},
        {LabelBox::Columns, u"x"_s, {}, u"1"_s},
        {LabelBox::TopMargin, u" .52 "_s, {}, u" .52 "_s},
        {LabelBox::LeftMargin, u"1..2"_s, {}, u"1"_s},
        {LabelBox::LabelHeight, u"-1"_s, {}, u"1"_s},
        {LabelBox::LabelWidth, u"wide"_s, {}, u"2.75"_s},
        {LabelBox::StartRow, u"25"_s, u"3"_s, u"25"_s},
        {LabelBox::StartColumn, u"0"_s, u"3"_s, u"1"_s},
        {LabelBox::StartColumn, u"2"_s, u"x"_s, u"1"_s},
        {LabelBox::FontSize, u"1"_s, {}, u"1"_s},
    };
    for (const auto &[box, text, columns, left] : cases)
        EXPECT_EQ(leaveText(box, text, columns), left) << text.toStdString();
}

TEST(LabelNumbers, PreviewSizeWhileTyping)
{
    for (const QString &text : {u"0.5"_s, u"."_s, u"0.9999999"_s})
        EXPECT_EQ(previewSizeWhileTyping(text), std::nullopt) << text.toStdString();
    EXPECT_EQ(previewSizeWhileTyping(u"0.99999995"_s), 0.99999995);
    EXPECT_EQ(previewSizeWhileTyping(u"14."_s), 14);
}

} // namespace
} // namespace tessaly
