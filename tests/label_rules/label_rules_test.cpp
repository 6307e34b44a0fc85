#include "label_rules/label_number_rules.h"
#include "label_rules/label_page.h"
#include "label_rules/label_plan.h"
#include "label_rules/label_request.h"
#include "label_rules/label_settings.h"
#include "label_rules/label_sheets.h"

#include "fake_printer.h"
#include "member_records.h"
#include "linux_facilities.h"
#include "temp_roll.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

TEST(LabelNumbers, KeysAndNumericValues)
{
    for (const QChar c : u"0123456789.\b"_s)
        EXPECT_TRUE(labelKeyPasses(c)) << c.unicode();
    for (const QChar c : u"/-+ ,aZe\t\u0661\u00b9\x1b"_s)
        EXPECT_FALSE(labelKeyPasses(c)) << c.unicode();

    EXPECT_EQ(std::tuple(numericValue(u".52"_s), numericValue(u"5."_s), numericValue(u" 2.75\t"_s)),
              std::tuple(0.52, 5, 2.75));
    for (const QString &text : {QString(), u"."_s, u"-1"_s, u"1e3"_s, u"1.2.3"_s, u"1 2"_s,
                                u"inf"_s, u"\u0661"_s, u"1\u00a0"_s, u"1"_s + QString(400, u'0')})
        EXPECT_EQ(numericValue(text), std::nullopt) << text.toStdString();
}

// What a box keeps when the focus leaves it: its text, or the box's own fallback.
TEST(LabelNumbers, LeaveRules)
{
    // box, text, the columns box's text, what is left
    const std::tuple<LabelBox, QString, QString, QString> cases[] = {
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

    for (const QString &text : {u"0.5"_s, u"."_s, u"0.9999999"_s})
        EXPECT_EQ(previewSizeWhileTyping(text), std::nullopt) << text.toStdString();
    EXPECT_EQ(previewSizeWhileTyping(u"0.99999995"_s), 0.99999995);
    EXPECT_EQ(previewSizeWhileTyping(u"14."_s), 14);
}

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

// Each value just outside its range is refused, quoting the caption of the box (the one the
// window shows beside it) and giving the range; of several bad boxes the first in focus order
// is named. The start column is placed by the start row's caption.
TEST(LabelRequest, EachRefusalNamesItsBoxAndRange)
{
    const QString inches = u"a number of inches from 0 to 20"_s;
    const QString pitch = u"a number of inches above 0, up to 20"_s;
    const QString columns = u"a number from 1 to 20"_s, rows = u"a number from 0 to 1000"_s;
    const QString onThePage = u"a number from 1 to 3, the label columns on each page"_s;
    using R = LabelRequest &;
    const std::tuple<std::function<void(R)>, LabelBox, QString> cases[] = {
        {[](R r) { r.layout.rowsPerPage = 101; }, LabelBox::Rows, u"a number from 1 to 100"_s},
        {[](R r) { r.layout.columnsPerPage = 0; }, LabelBox::Columns, columns},
        {[](R r) { r.layout.columnsPerPage = std::nanf(""); }, LabelBox::Columns, columns},
        {[](R r) { r.layout.topMargin = -0.1f; }, LabelBox::TopMargin, inches},
        {[](R r) { r.layout.leftMargin = 21; }, LabelBox::LeftMargin, inches},
        {[](R r) { r.layout.labelHeight = 0; }, LabelBox::LabelHeight, pitch},
        {[](R r) { r.layout.labelWidth = 20.5f; }, LabelBox::LabelWidth, pitch},
        {[](R r) { r.startRow = -1; }, LabelBox::StartRow, rows},
        {[](R r) { r.startRow = 1001; }, LabelBox::StartRow, rows},
        {[](R r) { r.startColumn = 4; }, LabelBox::StartColumn, onThePage},
        {[](R r) { r.startColumn = 0; }, LabelBox::StartColumn, onThePage},
        {[](R r) { r.layout.columnsPerPage = 12.9f, r.startColumn = 13; }, LabelBox::StartColumn,
         u"a number from 1 to 12, the label columns on each page"_s},
        {[](R r) { r.layout.fontSize = 0.5f; }, LabelBox::FontSize,
         u"a number of points from 1 to 200"_s},
        {[](R r) {
             r.layout.fontSize = 0, r.startColumn = 9, r.startRow = -1, r.layout.labelWidth = 0;
         },
         LabelBox::LabelWidth, pitch},
    };
    for (const auto &[change, box, range] : cases) {
        LabelRequest request;
        change(request);
        const std::optional<RequestProblem> problem = checkLabelRequest(request);
        ASSERT_TRUE(problem) << range.toStdString();
        EXPECT_EQ(problem->box, box) << range.toStdString();
        const QString quoted = box == LabelBox::StartColumn
                                   ? u"Column\" after \"Begin with label on Row"_s
                                   : labelBoxCaption(box);
        EXPECT_EQ(problem->message, u"The box \""_s + quoted + u"\" must hold "_s + range +
                                        u".\nNothing was printed or saved."_s);
    }
}

// Each value is written to seven significant digits, and read back as it was. A failed write
// leaves the old file whole and names it.
TEST(LabelSettings, TheFileInTheStartDirectory)
{
    const testing::TempRoll roll;
    const LabelLayout odd{100, 20, 19.99f, 0.0625f, 0.6666667f, 2.625f, 7.25f};
    ASSERT_TRUE(writeLabelSettings(roll.dir(), odd).ok());
    const QByteArray written = "100,20,19.99,.0625,.6666667,2.625,7.25\r\n";
    EXPECT_EQ(roll.read(u"labelrcp.dat"_s), written);
    EXPECT_EQ(readLabelSettings(roll.dir()), odd);

    Outcome outcome;
    testing::withFileSizeCap(8, [&] { outcome = writeLabelSettings(roll.dir(), LabelLayout{}); });
    EXPECT_EQ(
        std::tuple(outcome.failed(), outcome.file, outcome.reason.isEmpty(),
                   roll.read(u"labelrcp.dat"_s)),
        std::tuple(true, QDir::toNativeSeparators(roll.path(u"labelrcp.dat"_s)), false, written));
}

TEST(LabelSettings, ValuesEndAtACommaOrALineBreak)
{
    for (const QByteArray bytes :
         {"12\n2\n0.52\n.1\n1.25\n4\n11.5", "12\r2\r0.52\r.1\r1.25\r4\r11.5\r",
          "  12 , 2,\t0.52 ,.1\r\n1.25,\r\n\r\n4\r\n 11.5 \r\n",
          "12,2,0.52,.1,1.25,4,11.5,99,junk\r\nmore\r\n"}) {
        EXPECT_EQ(parseLabelSettings(bytes), (LabelLayout{12, 2, 0.52f, 0.1f, 1.25f, 4, 11.5f}))
            << bytes.toStdString();
    }
    for (const char *bytes :
         {"", "10,3,.52,.1,1,2.75\r\n", "10,3,.52,.1,,2.75,10\r\n", "10,3,.52,.1,1,2.75,ten\r\n",
          "10,3,-.52,.1,1,2.75,10\r\n", "10,3,.52,.1,1,2.75,1e1\r\n", "10;3;.52;.1;1;2.75;10\r\n",
          "10 3 .52 .1 1 2.75 10\r\n"})
        EXPECT_FALSE(parseLabelSettings(bytes)) << bytes;
    // Too large for single precision.
    EXPECT_FALSE(parseLabelSettings("1" + QByteArray(40, '0') + ",3,.52,.1,1,2.75,10\r\n"));
}

TEST(LabelSettings, ValuesAreWrittenAsTheBoxesShowThem)
{
    const std::pair<float, QString> cases[] = {{123456789.0f, u"123456800"_s},
                                               {1e20f, u"100000000000000000000"_s},
                                               {0.0001234567f, u".0001234567"_s},
                                               {9.9999999f, u"10"_s},
                                               {-0.5f, u"-.5"_s},
                                               {1.3333334f, u"1.333333"_s},
                                               {0.0f, u"0"_s}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(layoutValueText(value), text);
}

// labelrcp.dat is read only as a regular file of at most 64 KB: a FIFO, a device or a
// settings line followed by a mass of blanks fails, unread, with the file's name and why.
TEST(LabelSettings, OnlyARegularFileWithinItsLimitIsRead)
{
    const QString limit = u"64 KB"_s;
    for (const testing::SpecialCase &c : testing::specialCases()) {
        SCOPED_TRACE(c.shape);
        const testing::TempRoll roll;
        const testing::SpecialFile special(c.kind, roll.path(u"labelrcp.dat"_s),
                                           kLargestLabelSettingsBytes);
        const testing::HangGuard guard(20);
        Outcome failure;
        EXPECT_EQ(readLabelSettings(roll.dir(), &failure), std::nullopt);
        EXPECT_EQ(
            std::pair(failure.file, failure.reason),
            std::pair(roll.path(u"labelrcp.dat"_s), u"labelrcp.dat "_s + special.reason(limit)));
    }
    const QByteArray line = "12,2,.5,.25,1,4,11\r\n";
    const std::pair<QByteArray, QString> cases[] = {
        {line.leftJustified(kLargestLabelSettingsBytes, ' '), {}},
        {"12,2,.5\r\n", u"labelrcp.dat does not hold seven numbers"_s},
    };
    for (const auto &[bytes, reason] : cases) {
        const testing::TempRoll roll;
        roll.write(u"labelrcp.dat"_s, bytes);
        Outcome failure;
        const std::optional<LabelLayout> layout = readLabelSettings(roll.dir(), &failure);
        EXPECT_EQ(layout.has_value(), reason.isEmpty()) << bytes.size();
        EXPECT_EQ(failure.reason, reason);
    }
}

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
    for (const char *boxes :
         {"10 3 .5 .19 1 2.75", "10 3.5 .5 .1875 1 2.75", "10 3 .5 .1875 . 2.75"}) {
        const QStringList t = QString::fromLatin1(boxes).split(u' ');
        EXPECT_EQ(matchingSheet({t[0], t[1], t[2], t[3], t[4], t[5]}), std::nullopt) << boxes;
    }
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

// The plan for a roll of as many members as are listed, whose last names are their numbers.
LabelPlan planOf(const std::vector<int> &listed, const LabelLayout &layout, int row, int column)
{
    MemberStore store;
    for (std::size_t n = 1; n <= listed.size(); ++n)
        store.append(testing::recordOf(u"|||"_s + QString::number(n)));
    return planLabels(store, listed, layout, row, column);
}

LabelLayout sheet(float rows, float columns)
{
    return {rows, columns, 0.52f, 0.1f, 1, 2.75f, 10};
}

// "listPosition:page.row.column" for each label, in printing order.
QString placesOf(const LabelPlan &plan)
{
    QStringList places;
    for (const PlannedLabel &l : plan.labels)
        places.append(u"%1:%2.%3.%4"_s.arg(l.listPosition).arg(l.page).arg(l.row).arg(l.column));
    return places.join(u' ');
}

TEST(LabelPlan, PlacesAndPages)
{
    const int highest = std::numeric_limits<int>::max();
    // sheet, the members listed, start row and column, the places, the pages
    const std::tuple<LabelLayout, std::vector<int>, int, int, QString, int> cases[] = {
        {sheet(10, 3), {1, 2}, 10, 3, u"1:1.10.3 2:2.1.1"_s, 2},
        {sheet(10, 3), {1, 2, 3, 4}, 2, 2, u"1:1.2.2 2:1.2.3 3:1.3.1 4:1.3.2"_s, 1},
        {sheet(10, 3), {1, 2, 3}, 12, 2, u"1:2.1.2 2:2.1.3 3:2.2.1"_s, 2},
        {sheet(10, 3), {1, 2, 3}, highest, 3, u"1:2.1.3 2:2.2.1 3:2.2.2"_s, 2},
        {sheet(10, 3), {1, 2, 3, 4}, 0, 1, u"1:1.0.1 2:1.0.2 3:1.0.3 4:1.1.1"_s, 1},
        {sheet(10, 3), {}, 1, 1, QString(), 0},
        {sheet(10, 3), {}, 11, 3, QString(), 0},
        // Counts are rounded down; with no rows on a page every row begins one.
        {sheet(1.9f, 2.7f), {1, 2, 3, 4}, 1, 1, u"1:1.1.1 2:1.1.2 3:2.1.1 4:2.1.2"_s, 2},
        {sheet(0, 3), {1, 2, 3, 4}, 1, 1, u"1:2.1.1 2:2.1.2 3:2.1.3 4:3.1.1"_s, 3},
        {sheet(1e30f, 1e30f), {1, 2, 3}, 5, 1, u"1:1.5.1 2:1.5.2 3:1.5.3"_s, 1},
        // Requests the check refuses: an empty plan, not a hang or a read outside the list.
        {sheet(10, 0), {1, 2, 3, 4, 5}, 1, 1, QString(), 0},
        {sheet(10, std::nanf("")), {1, 2, 3, 4, 5}, 1, 1, QString(), 0},
        {sheet(10, 3), {1, 2, 3, 4, 5}, 1, 4, QString(), 0},
        {sheet(10, 3), {1, 2, 3, 4, 5}, 1, 0, QString(), 0},
    };
    for (const auto &[layout, listed, startRow, startColumn, places, pages] : cases) {
        const LabelPlan plan = planOf(listed, layout, startRow, startColumn);
        EXPECT_EQ(placesOf(plan), places) << layout.rowsPerPage << " " << layout.columnsPerPage;
        EXPECT_EQ(plan.pages, pages) << places.toStdString();
    }
}

TEST(LabelPlan, PositionsInInches)
{
    // The default sheet (margins .52 and .1, labels 1 by 2.75) from row 0.
    const LabelPlan plan = planOf({1, 2, 3, 4}, LabelLayout{}, 0, 1);
    // Page 1 row 2 column 2, then page 2 row 1 column 1.
    const LabelPlan odd = planOf({1, 2}, {2, 2, 0.25f, 0.3f, 1.5f, 4.1f, 10}, 2, 2);
    const std::tuple<const PlannedLabel &, double, double> cases[] = {
        {plan.labels.at(0), 0.1, -0.48}, {plan.labels.at(1), 2.85, -0.48},
        {plan.labels.at(2), 5.6, -0.48}, {plan.labels.at(3), 0.1, 0.52},
        {odd.labels.at(0), 4.4, 1.75},   {odd.labels.at(1), 0.3, 0.25}};
    for (const auto &[label, x, y] : cases) {
        EXPECT_DOUBLE_EQ(label.x.value(), x) << y;
        EXPECT_DOUBLE_EQ(label.y.value(), y) << x;
    }
}

TEST(LabelPlan, LabelsCarryTheLinesOfTheListedMember)
{
    // Record 9 is not in the roll of 3: its place stays blank.
    const LabelPlan plan = planOf({3, 9, 1}, sheet(10, 3), 1, 1);
    ASSERT_EQ(placesOf(plan), u"1:1.1.1 3:1.1.3"_s);
    EXPECT_EQ(plan.labels[0].lines + plan.labels[1].lines,
              (QStringList{u"3"_s, u"  "_s, u"1"_s, u"  "_s}));
}

// Members of one household share the label at the first one's place: "position@row.column".
TEST(LabelPlan, OneLabelPerHousehold)
{
    using testing::storeOf;
    const QString oak = u"|1 Oak|Troy|NY|1"_s;
    const std::tuple<MemberStore, std::vector<int>, QString> cases[] = {
        {storeOf({u"K3A|Jo|Q|Lee"_s + oak, u"|Mae|R|lee|1  oAK |TROY| ny|1 "_s}), {1, 2},
         u"1@1.1 ARS K3A|Jo Q & Mae Lee|1 Oak|Troy NY 1"_s},
        {storeOf({u"|Jo|Q|Lee"_s + oak, u"W1AW|Mae||Ray"_s + oak}), {1, 2},
         u"1@1.1 ARS W1AW|Jo Lee & Mae Ray|1 Oak|Troy NY 1"_s},
        {storeOf({u"A1|Al||Fox"_s + oak, u"|Bo||Fox"_s + oak, u"C3|Cy||FOX"_s + oak}), {1, 2, 3},
         u"1@1.1 ARS A1, C3|The Fox Family|1 Oak|Troy NY 1"_s},
        {storeOf({u"|Ann||Lee"_s + oak, u"|Bob||Ray"_s + oak, u"|Cy||Fox"_s + oak}), {1, 2, 3},
         u"1@1.1 Ann Lee, Bob Ray & Cy Fox|1 Oak|Troy NY 1"_s},
        // The first of a household holds its place; the labels after it close up. A record
        // outside the roll keeps its blank; another zip is another household.
        {storeOf({u"|Al||Roe|1 Elm|Troy|NY|1"_s, u"|Bo||Fox"_s + oak, u"|Cy||Roe|1 Elm|Troy|NY|1"_s,
                  u"|Di||Roe|1 Elm|Troy|NY|2"_s}), {2, 1, 9, 3, 4},
         u"1@1.1 Bo Fox|1 Oak|Troy NY 1 / 2@1.2 Al & Cy Roe|1 Elm|Troy NY 1 / "
         u"5@2.1 Di Roe|1 Elm|Troy NY 2"_s},
        // An empty address is nobody's household; a household of one keeps its member's lines.
        {storeOf({u"W1AW|Al||||Troy|NY|1"_s, u"|Bo||Roe| |Troy|NY|1"_s}), {1, 2},
         u"1@1.1 ARS W1AW|Al |Troy NY 1 / 2@1.2 Bo Roe| |Troy NY 1"_s},
    };
    for (const auto &[store, listed, labels] : cases) {
        QStringList shown;
        for (const PlannedLabel &l :
             planLabels(store, listed, sheet(10, 3), 1, 1, LabelGrouping::PerHousehold).labels)
            shown << u"%1@%2.%3 "_s.arg(l.listPosition).arg(l.row).arg(l.column) +
                         l.lines.join(u'|');
        EXPECT_EQ(shown.join(u" / "_s), labels) << labels.toStdString();
    }
}

TEST(LabelLines, CallSignNameAddressAndTown)
{
    using testing::recordOf;
    const std::pair<MemberRecord, QStringList> cases[] = {
        {recordOf(u"W1AW|Al|Q|Roe|1 Elm\r\nBox 2|Troy|NY|12180"_s),
         {u"ARS W1AW"_s, u"Al Q Roe"_s, u"1 Elm"_s, u"Box 2"_s, u"Troy NY 12180"_s}},
        // The lines of core/member_lines: a blank after each given part there, no line after a
        // final CR LF, the town as stored.
        {recordOf(u"|Al|||1 Elm\r\n||NY|12180"_s), {u"Al "_s, u"1 Elm"_s, u" NY 12180"_s}},
    };
    for (const auto &[member, lines] : cases)
        EXPECT_EQ(labelLines(member), lines) << lines.join(u'|').toStdString();
}

} // namespace

namespace testing {
namespace {

const QString kFont = u"DejaVu Sans"_s;

// Where poppler finds each word on the first page: "word" -> (xMin, yMin) in points.
std::map<QString, QPointF> wordCorners(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, u"-l"_s, u"1"_s, pdf, u"-"_s});
    EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext comes with poppler-utils";
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    std::map<QString, QPointF> corners;
    const QRegularExpression word(
        u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]+)</word>"_s);
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        corners.emplace(found.captured(3),
                        QPointF(found.captured(1).toDouble(), found.captured(2).toDouble()));
    }
    return corners;
}

// Paints on a Letter PDF of 1200 dots an inch, as Labels.pdf is made.
QString letterPdf(const TempRoll &folder, const QString &name,
                  const std::function<void(QPainter &, QPdfWriter &)> &paint)
{
    const QString path = folder.path(name);
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter painter(&pdf);
    paint(painter, pdf);
    return path;
}

LabelPlan oneLabel(Inches x, Inches y, QStringList lines)
{
    LabelPlan plan;
    plan.labels.push_back({1, 1, 1, 1, x, y, std::move(lines)});
    plan.pages = 1;
    return plan;
}

// Page (from 1) of the plan as drawn on Letter paper printed to its very edge.
DrawnPage letterPage(const LabelPlan &plan, int page, const LabelLettering &lettering)
{
    const QSizeF letter(612, 792);
    return drawnPage([&](QPainter &painter, int n) { paintLabelPage(painter, plan, n, lettering); },
                     page, {letter, QRectF(QPointF(0, 0), letter)});
}

// The first label of the 30-per-sheet sheet (.1875 in from the left, .5 in from the top) has
// its first word's top-left corner there, to the point: poppler puts a word's top where the
// font's own box says, so a word drawn with its top at 0 tells where that is.
TEST(LabelPage, TheFirstLineHasItsTopLeftCornerAtTheLabelsPosition)
{
    TempRoll folder;
    const LabelPlan plan =
        oneLabel(Inches::typed(0.1875f), Inches::typed(0.5f), {u"ARS"_s, u"Dora"_s});
    const QString labels = letterPdf(folder, u"labels.pdf"_s, [&](QPainter &painter, QPdfWriter &) {
        paintLabelPage(painter, plan, 1, {kFont, 10, {}});
    });
    const QString topAtZero =
        letterPdf(folder, u"zero.pdf"_s, [](QPainter &painter, QPdfWriter &pdf) {
            QFont font(kFont);
            font.setPointSizeF(10);
            painter.setFont(font);
            painter.drawText(QPointF(0, QFontMetricsF(font, &pdf).ascent()), u"ARS"_s);
        });
    const QPointF word = wordCorners(labels).at(u"ARS"_s);
    const QPointF zero = wordCorners(topAtZero).at(u"ARS"_s);
    EXPECT_NEAR(word.x() - zero.x(), 13.5, 0.05);
    EXPECT_NEAR(word.y() - zero.y(), 36.0, 0.05);
}

// Each later line stands one line of the font lower, at the label's x, whatever its size.
TEST(LabelPage, LaterLinesFollowByTheLineHeightOfTheFont)
{
    for (const double size : {10.0, 18.0}) {
        SCOPED_TRACE(size);
        const LabelPlan plan = oneLabel(Inches::exactly(1), Inches::exactly(2),
                                        {u"ARS K3ABC"_s, u"John Q Adams"_s, u"Media PA 19063"_s});
        const DrawnPage page = letterPage(plan, 1, {kFont, size, {}});
        ASSERT_EQ(page.texts.size(), 3);
        QImage seventyTwo(1, 1, QImage::Format_RGB32); // a device of 72 dots an inch
        seventyTwo.setDotsPerMeterX(2835), seventyTwo.setDotsPerMeterY(2835);
        QFont font(kFont);
        font.setPointSizeF(size);
        const QFontMetricsF metrics(font, &seventyTwo);
        for (int line = 0; line < 3; ++line) {
            const double baseline = 144 + metrics.ascent() + line * metrics.lineSpacing();
            const QString expected = u"72.0,%1 "_s.arg(std::round(baseline * 10) / 10, 0, 'f', 1);
            EXPECT_TRUE(page.texts[line].startsWith(expected)) << page.texts[line].toStdString();
        }
    }
}

// Outlines are drawn only when asked for (the preview), each label of the sheet once, and only
// on the plan's pages.
TEST(LabelPage, OutlinesOnlyWhereAskedForAndOnlyOnPagesWithLabels)
{
    const LabelLayout sheet{2, 2, 0.5f, 0.25f, 1, 3, 10};
    const std::vector<InchRect> cells = sheetCells(sheet, Inches::exactly(2.5), Inches::exactly(1));
    const LabelPlan plan = oneLabel(Inches::typed(0.25f), Inches::typed(0.5f), {u"Lee"_s});
    const DrawnPage plain = letterPage(plan, 1, {kFont, 10, {}});
    const DrawnPage outlined = letterPage(plan, 1, {kFont, 10, cells});
    EXPECT_EQ(
        outlined.outlines,
        (QStringList{u"outline 18.0,36.0 180.0x72.0"_s, u"outline 234.0,36.0 180.0x72.0"_s,
                     u"outline 18.0,108.0 180.0x72.0"_s, u"outline 234.0,108.0 180.0x72.0"_s}));
    EXPECT_EQ(outlined.texts, plain.texts);
    const DrawnPage second = letterPage(plan, 2, {kFont, 10, cells});
    EXPECT_EQ(plain.outlines + second.outlines + second.texts, QStringList());
}

// A length keeps the decimal that was typed into the box, not its float's digits.
TEST(LabelPage, InchesKeepWhatWasTyped)
{
    const std::pair<float, double> cases[] = {
        {0.52f, 0.52}, {0.59646f, 0.59646}, {1.33333f, 1.33333}};
    for (const auto &[single, typed] : cases)
        EXPECT_EQ(Inches::typed(single).value(), typed) << typed;
    EXPECT_EQ(Inches::typed(std::numeric_limits<float>::infinity()).value(), 0);
}

} // namespace
} // namespace testing
} // namespace tessaly
