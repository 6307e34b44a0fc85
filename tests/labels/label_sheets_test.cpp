#include "labels/label_plan.h"
#include "labels/label_settings.h"
#include "labels/label_sheets.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Each sheet fits its paper (its last label ends on it, no label runs into the next), would
// be printed, and is found back from labelrcp.dat as the window reads it into the boxes.
TEST(LabelSheets, EverySheetFitsItsPaperAndIsFoundBackFromTheBoxes)
{
    ASSERT_GE(labelSheets().size(), 8u);
    for (std::size_t n = 0; n < labelSheets().size(); ++n) {
        const LabelSheet &sheet = labelSheets()[n];
        SCOPED_TRACE(sheet.name);
        EXPECT_TRUE(sheet.topMargin >= 0 && sheet.leftMargin >= 0);
        EXPECT_TRUE(sheet.width <= sheet.labelWidth && sheet.height <= sheet.labelHeight);
        const LabelLayout layout = withSheet(LabelLayout{12, 1, 1, 1, 1, 1, 14}, sheet);
        const InchRect last =
            sheetCells(layout, Inches::typed(sheet.width), Inches::typed(sheet.height)).back();
        EXPECT_LE(last.right().value(), paperSize(sheet.paper).width());
        EXPECT_LE(last.bottom().value(), paperSize(sheet.paper).height());
        EXPECT_EQ(checkLabelRequest({layout, 1, 1}), std::nullopt);

        const LabelLayout stored = parseLabelSettings(labelSettingsLine(layout)).value();
        EXPECT_EQ(stored.fontSize, 14);
        const QStringList values = QString::fromLatin1(labelSettingsLine(stored)).split(u',');
        EXPECT_EQ(
            matchingSheet(LabelBoxTexts{
                values[0], values[1], values[2], values[3], values[4], values[5], {}, {}, {}}),
            n);
    }
    EXPECT_DOUBLE_EQ(paperSize(Paper::A4).height(), 297 / 25.4);
}

// A number is a number however written, and any other number in one of the six is no sheet
// of the list; nor are the window's first texts, measured with the printer's margin taken off.
TEST(LabelSheets, TheBoxesAsTypedMatchOrShowCustom)
{
    EXPECT_EQ(matchingSheet({u" 10.0"_s, u"3"_s, u"0.50"_s, u".1875"_s, u"1"_s, u"2.75"_s, u"x"_s}),
              0u);
    EXPECT_EQ(matchingSheet({u"10"_s, u"3"_s, u".5"_s, u".19"_s, u"1"_s, u"2.75"_s}), std::nullopt);
    EXPECT_EQ(matchingSheet({u"10"_s, u"3.5"_s, u".5"_s, u".1875"_s, u"1"_s, u"2.75"_s}),
              std::nullopt);
    EXPECT_EQ(matchingSheet({u"10"_s, u"3"_s, u".5"_s, u".1875"_s, u"."_s, u"2.75"_s}),
              std::nullopt);
    EXPECT_EQ(matchingSheet(LabelLayout{}), std::nullopt);
}

// Labels go on the sheet's own paper; a sheet of no list, on Letter unless only A4 holds it.
TEST(LabelSheets, TheLabelsAreOnThePaperTheSheetIsFor)
{
    const Paper letter = Paper::Letter, a4 = Paper::A4;
    const std::pair<LabelLayout, Paper> cases[] = {
        {withSheet({}, labelSheets()[0]), letter},
        {withSheet({}, labelSheets()[7]), a4},               // 24 per sheet, 11.18 in down
        {LabelLayout{}, letter},                             // the window's first sheet
        {LabelLayout{11, 2, .5f, .1f, 1, 4, 10}, a4},        // 11.5 in down, 8.1 in across
        {LabelLayout{11, 2, .5f, .1f, 1, 4.2f, 10}, letter}, // 8.5 in across: A4 lacks it
        {LabelLayout{12, 2, .5f, .1f, 1, 4, 10}, letter},    // on neither
    };
    for (const auto &[layout, paper] : cases) {
        SCOPED_TRACE(layout.rowsPerPage);
        EXPECT_EQ(labelPaper(layout), paper);
    }
}

} // namespace
} // namespace tessaly
