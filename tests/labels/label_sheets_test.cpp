#include "labels/label_plan.h"
#include "labels/label_request.h"
#include "labels/label_settings.h"
#include "labels/label_sheets.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// The nine box texts of a layout, as the window shows it, starting at row 1, column 1.
LabelBoxTexts textsOf(const LabelLayout &layout)
{
    return {layoutValueText(layout.rowsPerPage),
            layoutValueText(layout.columnsPerPage),
            layoutValueText(layout.topMargin),
            layoutValueText(layout.leftMargin),
            layoutValueText(layout.labelHeight),
            layoutValueText(layout.labelWidth),
            u"1"_s,
            u"1"_s,
            layoutValueText(layout.fontSize)};
}

// A sheet that fits: the last label of the last row ends on the paper, no label runs into
// the next one, and the label window would print it.
TEST(LabelSheets, EverySheetFitsItsPaper)
{
    ASSERT_GE(labelSheets().size(), 8u);
    for (const LabelSheet &sheet : labelSheets()) {
        SCOPED_TRACE(sheet.name);
        const QSizeF paper = paperSize(sheet.paper);
        EXPECT_GE(sheet.topMargin, 0);
        EXPECT_GE(sheet.leftMargin, 0);
        EXPECT_LE(sheet.width, sheet.labelWidth);
        EXPECT_LE(sheet.height, sheet.labelHeight);
        const LabelLayout layout = withSheet(LabelLayout{}, sheet);
        const std::vector<QRectF> cells = sheetCells(layout, QSizeF(sheet.width, sheet.height));
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(sheet.rowsPerPage * sheet.columnsPerPage));
        EXPECT_LE(cells.back().right(), paper.width());
        EXPECT_LE(cells.back().bottom(), paper.height());
        EXPECT_EQ(checkLabelRequest({layout, 1, 1}), std::nullopt);
    }
    EXPECT_DOUBLE_EQ(paperSize(Paper::A4).width(), 210 / 25.4);
}

// Each sheet is found back from the boxes it fills, and from labelrcp.dat, written and read.
TEST(LabelSheets, MatchingTheBoxesFindsEachSheetBack)
{
    for (std::size_t n = 0; n < labelSheets().size(); ++n) {
        SCOPED_TRACE(labelSheets()[n].name);
        const LabelLayout layout = withSheet(LabelLayout{12, 1, 1, 1, 1, 1, 14}, labelSheets()[n]);
        EXPECT_EQ(layout.fontSize, 14);
        EXPECT_EQ(matchingSheet(textsOf(layout)), n);
        const std::optional<LabelLayout> stored = parseLabelSettings(labelSettingsLine(layout));
        ASSERT_TRUE(stored);
        EXPECT_EQ(matchingSheet(textsOf(*stored)), n);
    }
}

TEST(LabelSheets, TheBoxesAsTypedMatchOrNot)
{
    const LabelBoxTexts thirty = {u"10"_s,   u"3"_s, u".5"_s, u".1875"_s, u"1"_s,
                                  u"2.75"_s, u"1"_s, u"1"_s,  u"10"_s};
    ASSERT_EQ(matchingSheet(thirty), 0u);
    // The boxes not of the sheet do not count, and a number is a number however written.
    LabelBoxTexts written = thirty;
    written[1] = u" 3.0"_s;
    written[2] = u"0.50"_s;
    written[6] = u"x"_s;
    written[8] = QString();
    EXPECT_EQ(matchingSheet(written), 0u);
    const std::pair<std::size_t, QString> custom[] = {
        {0, u"11"_s}, {1, u"3.5"_s}, {2, u".52"_s}, {3, u".19"_s}, {5, u"2.7"_s}, {4, u"."_s},
    };
    for (const auto &[box, text] : custom) {
        LabelBoxTexts changed = thirty;
        changed[box] = text;
        EXPECT_EQ(matchingSheet(changed), std::nullopt) << box << " " << text.toStdString();
    }
    // The window's first texts are a sheet measured with the printer's margin taken off.
    EXPECT_EQ(matchingSheet(textsOf(LabelLayout{})), std::nullopt);
}

} // namespace
} // namespace tessaly
