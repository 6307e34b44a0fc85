#include "import/import_sheet.h"

#include "member_records.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::storeOf;

const QDate today{2026, 12, 6};

TEST(ImportSheetTest, ReadsTheRowsWithTheEncodingAndSeparatorFoundOrChosen)
{
    const MemberStore roll;
    const struct {
        const char *name;
        QByteArray bytes;
        std::optional<SheetSeparator> chosen; // read again with this separator
        SheetEncoding encoding;
        SheetSeparator separator;
        QStringList headers;
        std::size_t dataRows;
        std::size_t columns; // of the widest row
    } cases[] = {
        {"UTF-8 with its mark, semicolons",
         "\xEF\xBB\xBF"
         "Call;Last name\r\nK3A;Ab\xC5\x82\r\nK3B;Bo\r\n",
         std::nullopt, SheetEncoding::Utf8, SheetSeparator::Semicolon,
         {u"Call"_s, u"Last name"_s}, 2, 2},
        {"Windows-1252, tabs, a ragged row", "Call\tLast name\r\nK3A\tR\xE9n\tx\r\n",
         std::nullopt, SheetEncoding::Windows1252, SheetSeparator::Tab,
         {u"Call"_s, u"Last name"_s}, 1, 3},
        {"read again with commas", "Call;Last,First\r\nK3A;Ab,Ann\r\n", SheetSeparator::Comma,
         SheetEncoding::Utf8, SheetSeparator::Comma, {u"Call;Last"_s, u"First"_s}, 1, 2},
        {"a header alone", "Call,Last name\r\n", std::nullopt, SheetEncoding::Utf8,
         SheetSeparator::Comma, {u"Call"_s, u"Last name"_s}, 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ImportSheet sheet(c.bytes, roll, today);
        if (c.chosen)
            sheet.read(sheet.encoding(), *c.chosen);
        EXPECT_EQ(std::tuple(sheet.encoding(), sheet.separator(), sheet.headers()),
                  std::tuple(c.encoding, c.separator, c.headers));
        EXPECT_EQ(std::tuple(sheet.dataRows().size(), sheet.plan().rows.size(),
                             sheet.matches().size(), sheet.hasDataRows()),
                  std::tuple(c.dataRows, c.dataRows, c.columns, c.dataRows > 0));
    }
}

// Adams is on the roll; Zoc's name the roll's code page cannot hold.
TEST(ImportSheetTest, TheOperatorsMatchesAndTicksDecideWhatIsAdded)
{
    const MemberStore roll = storeOf({u"K3ABC|John||Adams|12 Oak St"_s});
    ImportSheet sheet("Call,First,Last,Remarks\r\n"
                      "K3ABC,John,Adams,x1\r\n"
                      "N3Q,Zo\xC4\x87,Quinn,y2\r\n"
                      "W1NEW,Ann,Lee,z3\r\n",
                      roll, today);
    const struct {
        const char *step;
        std::function<void()> apply;
        QStringList added; // the call signs, in the sheet's order
        int duplicates, replaced;
        bool anyColumn = true;
    } steps[] = {
        {"as read", [] {}, {u"W1NEW"_s}, 1, 1},
        {"duplicates ticked in", [&] { sheet.setChoices({true, false}); },
         {u"K3ABC"_s, u"W1NEW"_s}, 1, 1},
        {"both ticked in", [&] { sheet.setChoices({true, true}); },
         {u"K3ABC"_s, u"N3Q"_s, u"W1NEW"_s}, 1, 1},
        {"call signs from Remarks: Adams is new", [&] {
             sheet.setChoices({});
             sheet.matchColumn(3, Field::Call);
         },
         {u"X1"_s, u"Z3"_s}, 0, 1},
        {"names left out: nothing can be a duplicate", [&] {
             sheet.matchColumn(1, std::nullopt);
             sheet.matchColumn(2, std::nullopt);
         },
         {u"X1"_s, u"Y2"_s, u"Z3"_s}, 0, 0},
        {"every column left out", [&] { sheet.matchColumn(3, std::nullopt); }, {}, 0, 0, false},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        s.apply();
        QStringList added;
        for (const MemberRecord &member : sheet.membersToAdd())
            added << member[Field::Call];
        EXPECT_EQ(added, s.added);
        EXPECT_EQ(sheet.tally().added, added.size());
        EXPECT_EQ(std::tuple(sheet.duplicateRows(), sheet.replacedRows(), sheet.anyColumnImported()),
                  std::tuple(s.duplicates, s.replaced, s.anyColumn));
    }
    EXPECT_EQ(sheet.matches(), (ColumnMatches{std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
}

// A quote never closed in a data row leaves that row out and is named below the preview;
// one in the header leaves no rows at all.
TEST(ImportSheetTest, AQuoteNeverClosedIsPlannedAndNamedInTheSummary)
{
    const MemberStore roll;
    const ImportSheet inRow("Call,First\r\nK3NEW,Ann\r\n\"W1XYZ,Bob\r\nK3Z,Zed\r\n", roll, today);
    ASSERT_EQ(inRow.plan().rows.size(), 2u);
    EXPECT_EQ(inRow.plan().rows[1].quoteNeverClosedColumn, 0);
    EXPECT_EQ(inRow.summary(0),
              u"2 rows in the file, 1 to add; 1 with a quote never closed. The roll has room for "
              u"0 members more. Row 3 opens a quote on line 3 of the file that is never closed, "
              u"so the rest of the file (lines 3-4) was read as one value. Close the quote in "
              u"the spreadsheet and import again."_s);

    const ImportSheet inHeader("\"Call,First\r\nK3ABC,Ann\r\n", roll, today);
    EXPECT_FALSE(inHeader.hasDataRows());
    ASSERT_TRUE(inHeader.unclosedQuote());
    EXPECT_EQ(inHeader.unclosedQuote()->row, 0);
}

} // namespace
} // namespace tessaly
