#include "labels/label_request.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

TEST(LabelRequest, RequestsWithinTheRangesPass)
{
    const LabelRequest passing[] = {
        {},
        {{100, 20, 0, 20, 20, 0.01f, 200}, 1000, 20},
        {{1, 1, 20, 0, 0.01f, 20, 1}, 0, 1},
        // Counts are rounded down first; a start row beyond the page is fine.
        {{2.9f, 3.5f, 0.52f, 0.1f, 1, 2.75f, 10.5f}, 12.7, 3.9},
    };
    for (const LabelRequest &request : passing)
        EXPECT_EQ(checkLabelRequest(request), std::nullopt) << &request - passing;
    const LabelCounts counts = labelCounts(passing[3]);
    EXPECT_EQ((std::array{counts.rowsPerPage, counts.columnsPerPage, counts.startRow,
                          counts.startColumn}),
              (std::array{2, 3, 12, 3}));
}

TEST(LabelRequest, EachRefusalNamesItsBoxAndRange)
{
    const QString columns = u"\"How many label columns are on each page (left to right)?\" must "
                            "hold a number from 1 to 20"_s;
    const QString startRow = u"\"Begin with label on Row\" must hold a number from 0 to 1000"_s;
    const QString startColumn = u"\"Column\" after \"Begin with label on Row\" must hold a number "
                                "from 1 to %1, the label columns on each page"_s;
    const QString width =
        u"\"Label Width (Inches - measure from left edge of first label to left "
        "edge of second label)\" must hold a number of inches above 0, up to 20"_s;
    using R = LabelRequest &;
    const struct {
        std::function<void(LabelRequest &)> change;
        LabelBox box;
        QString what;
    } cases[] = {
        {[](R r) { r.layout.rowsPerPage = 101; }, LabelBox::Rows,
         u"\"How many label rows are on each page (top to bottom)?\" must hold a number from 1 "
         "to 100"_s},
        {[](R r) { r.layout.columnsPerPage = 0; }, LabelBox::Columns, columns},
        {[](R r) { r.layout.columnsPerPage = std::nanf(""); }, LabelBox::Columns, columns},
        {[](R r) { r.layout.topMargin = -0.1f; }, LabelBox::TopMargin,
         u"\"Top Margin (Inches - measure from top of page to top edge of first label)\" must "
         "hold a number of inches from 0 to 20"_s},
        {[](R r) { r.layout.leftMargin = 21; }, LabelBox::LeftMargin,
         u"\"Left Margin (Inches - measure from left of page to left edge of first label)\" "
         "must hold a number of inches from 0 to 20"_s},
        {[](R r) { r.layout.labelHeight = 0; }, LabelBox::LabelHeight,
         u"\"Label Height (Inches - measure from top edge of first label to top edge of next "
         "label)\" must hold a number of inches above 0, up to 20"_s},
        {[](R r) { r.layout.labelWidth = 20.5f; }, LabelBox::LabelWidth, width},
        {[](R r) { r.startRow = -1; }, LabelBox::StartRow, startRow},
        {[](R r) { r.startRow = 1001; }, LabelBox::StartRow, startRow},
        {[](R r) { r.startColumn = 4; }, LabelBox::StartColumn, startColumn.arg(3)},
        {[](R r) { r.layout.columnsPerPage = 12.9f, r.startColumn = 13; }, LabelBox::StartColumn,
         startColumn.arg(12)},
        {[](R r) { r.layout.fontSize = 0.5f; }, LabelBox::FontSize,
         u"\"Font Size\" must hold a number of points from 1 to 200"_s},
        // Of several bad boxes, the first in focus order is named.
        {[](R r) {
             r.layout.fontSize = 0, r.startColumn = 9, r.startRow = -1, r.layout.labelWidth = 0;
         },
         LabelBox::LabelWidth, width},
    };
    for (const auto &[change, box, what] : cases) {
        LabelRequest request;
        change(request);
        const std::optional<RequestProblem> problem = checkLabelRequest(request);
        ASSERT_TRUE(problem) << what.toStdString();
        EXPECT_EQ(problem->box, box) << what.toStdString();
        EXPECT_EQ(problem->message, u"The box "_s + what + u".\nNothing was printed or saved."_s);
    }
}

} // namespace
} // namespace tessaly
