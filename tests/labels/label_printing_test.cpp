#include "labels/label_printing.h"

#include "fake_printer.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

const QString kFont = u"Times New Roman"_s;

PlannedLabel label(int listPosition, int page, int row, int column, double x, double y,
                   QStringList lines)
{
    return {listPosition, page, row, column, x, y, std::move(lines)};
}

// Two labels side by side on page 1, the first with a two-line address, and one on page 2.
LabelPlan twoPages()
{
    LabelPlan plan;
    plan.labels = {
        label(1, 1, 1, 1, 0.1, 0.52,
              {u"ARS K3ABC"_s, u"John Q Adams"_s, u"12 Oak St"_s, u"Apt 4"_s, u"Media PA 19063"_s}),
        label(2, 1, 1, 2, 2.85, 0.52, {u"Mary Baker"_s, u"Media PA 19063"_s}),
        label(3, 2, 1, 1, 0.1, 0.52, {u"Carl Carter"_s, u"Upland PA 19015"_s}),
    };
    plan.pages = 2;
    return plan;
}

TEST(LabelPrinting, WalksThePlanLabelByLabelAndLinesFollowByTheLineAdvance)
{
    FakePrinter printer;
    const Outcome outcome = printLabels(printer, twoPages(), kFont, 10);

    EXPECT_TRUE(outcome.ok());
    EXPECT_EQ(printer.calls, (QStringList{u"font Times New Roman 10"_s,
                                          u"x 0.1"_s,
                                          u"y 0.52"_s,
                                          u"line p1 0.1,0.52 ARS K3ABC"_s,
                                          u"x 0.1"_s,
                                          u"line p1 0.1,0.77 John Q Adams"_s,
                                          u"x 0.1"_s,
                                          u"line p1 0.1,1.02 12 Oak St"_s,
                                          u"x 0.1"_s,
                                          u"line p1 0.1,1.27 Apt 4"_s,
                                          u"x 0.1"_s,
                                          u"line p1 0.1,1.52 Media PA 19063"_s,
                                          u"x 2.85"_s,
                                          u"y 0.52"_s,
                                          u"line p1 2.85,0.52 Mary Baker"_s,
                                          u"x 2.85"_s,
                                          u"line p1 2.85,0.77 Media PA 19063"_s,
                                          u"new page"_s,
                                          u"x 0.1"_s,
                                          u"y 0.52"_s,
                                          u"line p2 0.1,0.52 Carl Carter"_s,
                                          u"x 0.1"_s,
                                          u"line p2 0.1,0.77 Upland PA 19015"_s,
                                          u"end"_s}));
}

TEST(LabelPrinting, APlanThatStartsOnALaterPageBeginsWithItsNewPages)
{
    LabelPlan plan;
    plan.labels = {label(1, 3, 1, 2, 2.85, 0.52, {u"Lee"_s, u"  "_s})};
    plan.pages = 3;
    FakePrinter printer;

    EXPECT_TRUE(printLabels(printer, plan, kFont, 12).ok());
    EXPECT_EQ(printer.calls,
              (QStringList{u"font Times New Roman 12"_s, u"new page"_s, u"new page"_s, u"x 2.85"_s,
                           u"y 0.52"_s, u"line p3 2.85,0.52 Lee"_s, u"x 2.85"_s,
                           u"line p3 2.85,0.77   "_s, u"end"_s}));
}

TEST(LabelPrinting, AnEmptyPlanEndsTheDocumentWithoutAPage)
{
    FakePrinter printer;

    EXPECT_TRUE(printLabels(printer, LabelPlan{}, QString(), 10).ok());
    EXPECT_EQ(printer.calls, (QStringList{u"font  10"_s, u"end"_s}));
}

struct FailureCase {
    const char *name;
    int failAtCall;
    std::optional<PrinterOperation> failingOperation;
    int callsMade; // up to and including the failing one
    QString failedCall;
    QString reason;
};

TEST(LabelPrinting, AFailureStopsTheRunAbortsAndSaysWhatFailed)
{
    const QString onLabel1 =
        u"the printer failed while printing label 1 (page 1, row 1, column 1)"_s;
    const FailureCase cases[] = {
        {"font", 0, PrinterOperation::SetFont, 1, u"font Times New Roman 10 FAILED"_s,
         u"the printer refused the font Times New Roman at 10 points"_s},
        {"y of a label", 0, PrinterOperation::SetCurrentY, 3, u"y 0.52 FAILED"_s, onLabel1},
        {"x before the second line", 5, std::nullopt, 5, u"x 0.1 FAILED"_s, onLabel1},
        {"third line", 8, std::nullopt, 8, u"line p1 0.1,1.02 12 Oak St FAILED"_s, onLabel1},
        {"new page", 0, PrinterOperation::NewPage, 18, u"new page FAILED"_s,
         u"the printer could not start page 2"_s},
        {"end", 0, PrinterOperation::EndDocument, 24, u"end FAILED"_s,
         u"the document could not be finished"_s},
    };
    for (const FailureCase &failure : cases) {
        SCOPED_TRACE(failure.name);
        FakePrinter printer;
        printer.failAtCall = failure.failAtCall;
        printer.failingOperation = failure.failingOperation;

        const Outcome outcome = printLabels(printer, twoPages(), kFont, 10);

        EXPECT_TRUE(outcome.failed());
        EXPECT_EQ(outcome.file, u"the printer"_s);
        EXPECT_EQ(outcome.reason, failure.reason);
        ASSERT_EQ(printer.calls.size(), failure.callsMade + 1);
        EXPECT_EQ(printer.calls.at(failure.callsMade - 1), failure.failedCall);
        EXPECT_EQ(printer.calls.last(), u"abort"_s);
    }
}

TEST(LabelPrinting, AFailureOnAFileNamesTheFile)
{
    FakePrinter printer;
    printer.file = u"/home/club/Labels.pdf"_s;
    printer.failingOperation = PrinterOperation::PrintLine;

    const Outcome outcome = printLabels(printer, twoPages(), kFont, 10);
    EXPECT_TRUE(outcome.failed());
    EXPECT_EQ(outcome.file, u"/home/club/Labels.pdf"_s);
}

} // namespace
} // namespace tessaly::testing
