#include "labels/label_printing.h"

#include "fake_printer.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

// A label with a two-line address at row 1, column 2 of page 1, and one on page 2.
LabelPlan twoPages()
{
    LabelPlan plan;
    plan.labels = {{1, 1, 1, 2, 2.85, 0.52, {u"Jo Ng"_s, u"1 Elm"_s, u"Apt 4"_s, u"Troy NY"_s}},
                   {2, 2, 1, 1, 0.1, 0.52, {u"Al Roe"_s, u"Troy NY"_s}}};
    plan.pages = 2;
    return plan;
}

TEST(LabelPrinting, TheCallsOfARun)
{
    const struct {
        LabelPlan plan;
        QString calls;
    } cases[] = {
        // Pages without a label are passed over empty.
        {{{{1, 3, 1, 1, 0.1, 0.52, {u"Lee"_s}}}, 3},
         u"font Arial 10|new page|new page|x 0.1|y 0.52|line p3 0.1,0.52 Lee|end"_s},
        {LabelPlan{}, u"font Arial 10|end"_s},
    };
    for (const auto &[plan, calls] : cases) {
        FakePrinter printer;
        EXPECT_TRUE(printLabels(printer, plan, u"Arial"_s, 10).ok());
        EXPECT_EQ(printer.calls.join(u'|'), calls);
    }
}

TEST(LabelPrinting, AFailureStopsTheRunAbortsAndSaysWhatFailed)
{
    using Op = PrinterOperation;
    const QString onLabel1 =
        u"the printer failed while printing label 1 (page 1, row 1, column 2)"_s;
    const struct {
        int failAtCall;
        std::optional<Op> failing;
        QString file;
        int callsMade; // up to and including the failing one
        QString reason;
    } cases[] = {
        {0, Op::SetFont, {}, 1, u"the printer refused the font Arial at 10 points"_s},
        {0, Op::SetCurrentY, {}, 3, onLabel1},
        {5, std::nullopt, {}, 5, onLabel1},
        {8, std::nullopt, u"/home/club/Labels.pdf"_s, 8, onLabel1},
        {0, Op::NewPage, {}, 11, u"the printer could not start page 2"_s},
        {0, Op::EndDocument, {}, 17, u"the document could not be finished"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.callsMade);
        FakePrinter printer;
        printer.failAtCall = c.failAtCall;
        printer.failingOperation = c.failing;
        printer.file = c.file;
        const Outcome outcome = printLabels(printer, twoPages(), u"Arial"_s, 10);
        EXPECT_TRUE(outcome.failed());
        EXPECT_EQ(outcome.file, c.file.isEmpty() ? u"the printer"_s : c.file);
        EXPECT_EQ(outcome.reason, c.reason);
        ASSERT_EQ(printer.calls.size(), c.callsMade + 1);
        EXPECT_TRUE(printer.calls.at(c.callsMade - 1).endsWith(u" FAILED"_s));
        EXPECT_EQ(printer.calls.last(), u"abort"_s);
    }
}

} // namespace
} // namespace tessaly::testing
