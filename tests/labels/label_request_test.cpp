#include "labels/label_request.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

TEST(LabelRequest, TheDesignTimeRequestPasses)
{
    EXPECT_EQ(checkLabelRequest(LabelRequest{}), std::nullopt);
}

TEST(LabelRequest, ValuesAtTheEdgesOfTheirRangesPass)
{
    LabelRequest request;
    request.layout = {100, 20, 0, 20, 20, 0.01f, 200};
    request.startRow = 1000;
    request.startColumn = 20;
    EXPECT_EQ(checkLabelRequest(request), std::nullopt);

    request.layout = {1, 1, 20, 0, 0.01f, 20, 1};
    request.startRow = 0;
    request.startColumn = 1;
    EXPECT_EQ(checkLabelRequest(request), std::nullopt);

    // Counts are rounded down before they are checked; a start row beyond the page is fine.
    request.layout = {2.9f, 3.5f, 0.52f, 0.1f, 1, 2.75f, 10.5f};
    request.startRow = 12.7;
    request.startColumn = 3.9;
    EXPECT_EQ(checkLabelRequest(request), std::nullopt);
    const LabelCounts counts = labelCounts(request);
    EXPECT_EQ(counts.rowsPerPage, 2);
    EXPECT_EQ(counts.columnsPerPage, 3);
    EXPECT_EQ(counts.startRow, 12);
    EXPECT_EQ(counts.startColumn, 3);
}

TEST(LabelRequest, EachRefusalNamesItsBoxAndRange)
{
    const float nan = std::nanf("");
    const struct {
        std::function<void(LabelRequest &)> change;
        LabelBox box;
        QString caption;
        QString range;
    } cases[] = {
        {[](LabelRequest &r) { r.layout.rowsPerPage = 0; }, LabelBox::Rows,
         u"How many label rows are on each page (top to bottom)?"_s, u"from 1 to 100"_s},
        {[](LabelRequest &r) { r.layout.rowsPerPage = 0.5f; }, LabelBox::Rows,
         u"How many label rows"_s, u"from 1 to 100"_s},
        {[](LabelRequest &r) { r.layout.rowsPerPage = 101; }, LabelBox::Rows,
         u"How many label rows"_s, u"from 1 to 100"_s},
        {[](LabelRequest &r) { r.layout.columnsPerPage = 0; }, LabelBox::Columns,
         u"How many label columns are on each page (left to right)?"_s, u"from 1 to 20"_s},
        {[](LabelRequest &r) { r.layout.columnsPerPage = 1e30f; }, LabelBox::Columns,
         u"How many label columns"_s, u"from 1 to 20"_s},
        {[nan](LabelRequest &r) { r.layout.columnsPerPage = nan; }, LabelBox::Columns,
         u"How many label columns"_s, u"from 1 to 20"_s},
        {[](LabelRequest &r) { r.layout.topMargin = -0.1f; }, LabelBox::TopMargin,
         u"Top Margin (Inches - measure from top of page to top edge of first label)"_s,
         u"inches from 0 to 20"_s},
        {[](LabelRequest &r) { r.layout.topMargin = 20.5f; }, LabelBox::TopMargin, u"Top Margin"_s,
         u"inches from 0 to 20"_s},
        {[](LabelRequest &r) { r.layout.leftMargin = 21; }, LabelBox::LeftMargin,
         u"Left Margin (Inches - measure from left of page to left edge of first label)"_s,
         u"inches from 0 to 20"_s},
        {[](LabelRequest &r) { r.layout.labelHeight = 0; }, LabelBox::LabelHeight,
         u"Label Height (Inches - measure from top edge of first label to top edge of next "
         "label)"_s,
         u"inches above 0, up to 20"_s},
        {[](LabelRequest &r) { r.layout.labelHeight = -1; }, LabelBox::LabelHeight,
         u"Label Height"_s, u"inches above 0, up to 20"_s},
        {[](LabelRequest &r) { r.layout.labelWidth = 0; }, LabelBox::LabelWidth,
         u"Label Width (Inches - measure from left edge of first label to left edge of second "
         "label)"_s,
         u"inches above 0, up to 20"_s},
        {[](LabelRequest &r) { r.layout.labelWidth = 1000; }, LabelBox::LabelWidth,
         u"Label Width"_s, u"inches above 0, up to 20"_s},
        {[](LabelRequest &r) { r.startRow = -1; }, LabelBox::StartRow,
         u"\"Begin with label on Row\""_s, u"from 0 to 1000"_s},
        {[](LabelRequest &r) { r.startRow = 1001; }, LabelBox::StartRow,
         u"\"Begin with label on Row\""_s, u"from 0 to 1000"_s},
        {[](LabelRequest &r) { r.startColumn = 4; }, LabelBox::StartColumn,
         u"\"Column\" after \"Begin with label on Row\""_s, u"from 1 to 3"_s},
        {[](LabelRequest &r) { r.startColumn = 0.5; }, LabelBox::StartColumn, u"\"Column\""_s,
         u"from 1 to 3"_s},
        {[](LabelRequest &r) { r.startColumn = std::nan(""); }, LabelBox::StartColumn,
         u"\"Column\""_s, u"from 1 to 3"_s},
        {[](LabelRequest &r) {
             r.layout.columnsPerPage = 12.9f;
             r.startColumn = 13;
         },
         LabelBox::StartColumn, u"\"Column\""_s, u"from 1 to 12"_s},
        {[](LabelRequest &r) { r.layout.fontSize = 0.5f; }, LabelBox::FontSize, u"\"Font Size\""_s,
         u"points from 1 to 200"_s},
        {[](LabelRequest &r) { r.layout.fontSize = 201; }, LabelBox::FontSize, u"\"Font Size\""_s,
         u"points from 1 to 200"_s},
        {[](LabelRequest &r) { r.layout.fontSize = INFINITY; }, LabelBox::FontSize,
         u"\"Font Size\""_s, u"points from 1 to 200"_s},
    };
    for (const auto &[change, box, caption, range] : cases) {
        SCOPED_TRACE(caption.toStdString() + " / " + range.toStdString());
        LabelRequest request;
        change(request);
        const std::optional<RequestProblem> problem = checkLabelRequest(request);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->box, box);
        EXPECT_TRUE(problem->message.contains(caption)) << problem->message.toStdString();
        EXPECT_TRUE(problem->message.contains(range)) << problem->message.toStdString();
        EXPECT_TRUE(problem->message.contains(u"Nothing was printed or saved."_s));
    }
}

TEST(LabelRequest, TheFirstBadBoxInFocusOrderIsNamed)
{
    LabelRequest request;
    request.layout.fontSize = 0;
    request.startColumn = 9;
    request.layout.labelWidth = 0;
    EXPECT_EQ(checkLabelRequest(request)->box, LabelBox::LabelWidth);
}

TEST(LabelRequest, TheWholeMessage)
{
    LabelRequest request;
    request.startColumn = 4;
    EXPECT_EQ(checkLabelRequest(request)->message,
              u"The box \"Column\" after \"Begin with label on Row\" must hold a number from 1 "
              "to 3, the label columns on each page.\nNothing was printed or saved."_s);
}

} // namespace
} // namespace tessaly
