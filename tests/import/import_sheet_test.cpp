#include "import/import_sheet.h"

#include "member_records.h"

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::storeOf;

const auto today = [] { return QDate(2026, 12, 6); };
constexpr auto kUtf8 = SheetEncoding::Utf8, k1252 = SheetEncoding::Windows1252;
constexpr auto kComma = SheetSeparator::Comma, kSemicolon = SheetSeparator::Semicolon,
               kTab = SheetSeparator::Tab;

TEST(ImportSheetTest, ReadsTheRowsWithTheEncodingAndSeparatorFoundOrChosen)
{
    const MemberStore roll;
    const QByteArray bom = "\xEF\xBB\xBF";
    const struct {
        QByteArray bytes;
        std::optional<SheetSeparator> chosen; // read again with this separator
        SheetEncoding encoding;
        SheetSeparator separator;
        QString headers;               // joined by '|'
        std::size_t dataRows, columns; // columns: of the widest row
    } cases[] = {
        {bom + "Call;Last\r\nK3A;Ab\xC5\x82\r\n", {}, kUtf8, kSemicolon, u"Call|Last"_s, 1, 2},
        {"Call\tLast\r\nK3A\tR\xE9n\tx\r\n", {}, k1252, kTab, u"Call|Last"_s, 1, 3},
        {"Call;Last,First\r\nK3A;Ab,Ann\r\n", kComma, kUtf8, kComma, u"Call;Last|First"_s, 1, 2},
        {"Call,Last\r\n", {}, kUtf8, kComma, u"Call|Last"_s, 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        ImportSheet sheet(c.bytes, roll, today);
        if (c.chosen)
            sheet.read(sheet.encoding(), *c.chosen);
        EXPECT_EQ(std::tuple(sheet.encoding(), sheet.separator(), sheet.headers().join(u'|')),
                  std::tuple(c.encoding, c.separator, c.headers));
        EXPECT_EQ(std::tuple(sheet.dataRows().size(), sheet.plan().rows.size(),
                             sheet.matches().size(), sheet.hasDataRows()),
                  std::tuple(c.dataRows, c.dataRows, c.columns, c.dataRows > 0));
    }
}

// Adams is on the roll; the roll's code page cannot hold Zoc's name.
TEST(ImportSheetTest, TheOperatorsMatchesAndTicksDecideWhatIsAdded)
{
    const MemberStore roll = storeOf({u"K3ABC|John||Adams|12 Oak St"_s});
    ImportSheet sheet("Call,First,Last,Remarks\r\nK3ABC,John,Adams,x1\r\n"
                      "N3Q,Zo\xC4\x87,Quinn,y2\r\nW1NEW,Ann,Lee,z3\r\n",
                      roll, today);
    using Rematch = std::vector<std::pair<int, std::optional<Field>>>;
    const struct {
        ImportChoices ticked;
        Rematch rematch;   // columns given another field, one after another
        QStringList added; // the call signs, in the sheet's order
        int duplicates, replaced;
    } steps[] = {
        {{}, {}, {u"W1NEW"_s}, 1, 1},
        {{true, false}, {}, {u"K3ABC"_s, u"W1NEW"_s}, 1, 1},
        {{true, true}, {}, {u"K3ABC"_s, u"N3Q"_s, u"W1NEW"_s}, 1, 1},
        // Call signs from Remarks: Adams no longer matches by call sign.
        {{}, {{3, Field::Call}}, {u"X1"_s, u"Z3"_s}, 0, 1},
        // No names: nothing is a duplicate, nothing replaced.
        {{}, {{1, {}}, {2, {}}}, {u"X1"_s, u"Y2"_s, u"Z3"_s}, 0, 0},
        {{}, {{3, {}}}, {}, 0, 0},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.added.join(u' ').toStdString());
        sheet.setChoices(s.ticked);
        for (const auto &[column, field] : s.rematch)
            sheet.matchColumn(column, field);
        QStringList added;
        for (const MemberRecord &member : sheet.membersToAdd())
            added << member[Field::Call];
        EXPECT_EQ(added, s.added);
        EXPECT_EQ(sheet.tally().added, added.size());
        EXPECT_EQ(std::tuple(sheet.duplicateRows(), sheet.replacedRows()),
                  std::tuple(s.duplicates, s.replaced));
        EXPECT_EQ(sheet.anyColumnImported(), !s.added.isEmpty());
    }
}

// A quote never closed in a data row leaves that row out and is named below the preview;
// one in the header leaves no rows at all.
TEST(ImportSheetTest, AQuoteNeverClosedIsPlannedAndNamedInTheSummary)
{
    const MemberStore roll = storeOf({u"K3ABC|John||Adams"_s});
    const ImportSheet inRow("Call,First,Last\r\nK3NEW,Ann,New\r\nK3ABC,John,Adams\r\n"
                            "\"W1XYZ,Bob\r\nK3Z,Zed\r\n",
                            roll, today);
    ASSERT_EQ(inRow.plan().rows.size(), 3u);
    EXPECT_EQ(inRow.plan().rows[2].quoteNeverClosedColumn, 0);
    EXPECT_EQ(inRow.summary(0),
              u"3 rows in the file, 1 to add; 1 already on the roll; 1 with a quote never "
              u"closed. The roll has room for 0 members more. Row 4 opens a quote on line 4 of "
              u"the file that is never closed, so the rest of the file (lines 4-5) was read as "
              u"one value. Close the quote in the spreadsheet and import again."_s);

    const ImportSheet inHeader("\"Call,First\r\nK3NEW,Ann\r\n", roll, today);
    EXPECT_FALSE(inHeader.hasDataRows());
    ASSERT_TRUE(inHeader.unclosedQuote());
    EXPECT_EQ(inHeader.unclosedQuote()->row, 0);
}

} // namespace
} // namespace tessaly
