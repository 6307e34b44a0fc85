#include "import_rules/column_matching.h"
#include "import_rules/import_plan.h"
#include "import_rules/import_sheet.h"
#include "import_rules/import_texts.h"
#include "import_rules/sheet_file.h"
#include "import_rules/sheet_reader.h"
#include "import_rules/value_fixing.h"

#include "member_records.h"
#include "linux_facilities.h"
#include "temp_roll.h"

#include <optional>
#include <utility>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using testing::storeOf;

const QDate today{2026, 12, 6};
const auto fixedClock = [] { return today; };

// Only a regular file of at most 64 MB is read: a FIFO or a device fails at once with its name
// and why, a file too large is refused, and nothing is read either way.
TEST(SheetFile, OnlyARegularFileWithinItsLimitIsRead)
{
    for (const testing::SpecialCase &c : testing::specialCases()) {
        SCOPED_TRACE(c.shape);
        testing::TempRoll folder;
        const QString path = folder.path(u"members.csv"_s);
        const testing::SpecialFile special(c.kind, path, kLargestSheetBytes);
        const testing::HangGuard guard(20);
        const SheetFile sheet = readSheetFile(path);
        const bool tooLarge = c.kind == testing::SpecialKind::OneByteTooLarge ||
                              c.kind == testing::SpecialKind::SparseGigabyte;
        EXPECT_EQ(
            std::tuple(sheet.outcome.status, sheet.outcome.reason, sheet.bytes),
            std::tuple(tooLarge ? Outcome::Status::Refused : Outcome::Status::Failed,
                       tooLarge ? sheetTooLargeReason() : u"members.csv "_s + special.reason({}),
                       QByteArray()));
    }
    testing::TempRoll folder;
    const QByteArray text = "Call,First\r\nK1A,Ann\r\n";
    folder.write(u"members.csv"_s, text);
    const SheetFile sheet = readSheetFile(folder.path(u"members.csv"_s));
    EXPECT_EQ(std::pair(sheet.outcome.ok(), sheet.bytes), std::pair(true, text));
    // NUL bytes: a workbook or UTF-16 text is no sheet's text; a few in text are damage, told
    // with the line of the first as the reader counts lines.
    const QString damaged = u"it holds NUL bytes, the first on line %1, which a spreadsheet never "
                            u"writes into its text: the file was damaged on the way. Save the "
                            u"spreadsheet again as \"CSV UTF-8\" or \"CSV\" and import that file"_s;
    const std::pair<QByteArray, QString> nuls[] = {
        {QByteArray("PK\0\3", 4), notTextSheetReason()},
        {"PK\3\4\x14\0\0\0\x08\0Call,First,Last,City,State,Zip\r\n"_ba, notTextSheetReason()},
        {"\xFF\xFE"_ba + "C\0a\0l\0l\0,\0"_ba, notTextSheetReason()},
        {"C\0a\0l\0l\0,\0"_ba, notTextSheetReason()},
        {"Call,First\r\nK1A,Ann\rK1B,B\0b\r\nK1C,C\0y\r\n"_ba, damaged.arg(3)},
    };
    for (const auto &[bytes, reason] : nuls) {
        folder.write(u"book.csv"_s, bytes);
        const SheetFile refused = readSheetFile(folder.path(u"book.csv"_s));
        EXPECT_EQ(std::tuple(refused.outcome.status, refused.outcome.reason, refused.bytes),
                  std::tuple(Outcome::Status::Refused, reason, QByteArray()));
    }
}

// The rows as read, each as [cells|...]; for a quote never closed, "open" row,cell@offset and
// the lines read into that cell, from its own to the last; for each quote out of place, the
// rows left out and the lines from the quote to where it closed.
QString read(const QString &text, QChar separator)
{
    const SheetRows sheet = readSheet(text, separator);
    EXPECT_EQ(readSheetRows(text, separator), sheet.rows.toLists());
    QString shown;
    for (const QStringList &row : sheet.rows.toLists())
        shown += u'[' + row.join(u'|') + u']';
    if (const std::optional<UnclosedQuote> &q = sheet.unclosedQuote)
        shown += u" open %1,%2@%3 lines %4-%5"_s.arg(
            QString::number(q->row), QString::number(q->column), QString::number(q->offset),
            QString::number(q->line), QString::number(q->lastLine));
    for (const MisplacedQuote &q : sheet.misplacedQuotes)
        shown += u" misplaced rows %1-%2 lines %3-%4"_s.arg(
            QString::number(q.firstRow), QString::number(q.lastRow), QString::number(q.line),
            QString::number(q.lastLine));
    return shown;
}

TEST(SheetReaderTest, ReadsQuotesLineBreaksRaggedRowsAndAQuoteNeverClosed)
{
    const std::tuple<QString, QChar, QString> cases[] = {
        {u"\"Smith, Jr\",\"say \"\"hi\"\"\"\n"_s, u',', u"[Smith, Jr|say \"hi\"]"_s},
        {u"\"12 Oak\r\nApt 2\",x\n\"a\nb\",y"_s, u',', u"[12 Oak\r\nApt 2|x][a\nb|y]"_s},
        // Blank rows are dropped, ragged ones kept.
        {u"a;b;c\r\n\r\n;;\r\nd\r\ne;f;g;h"_s, u';', u"[a|b|c][d][e|f|g|h]"_s},
        {u"a\t\tc\rd\t\"\""_s, u'\t', u"[a||c][d|]"_s},
        // A quote inside a value is a character; blanks around a quoted value go.
        {u"a\"b,c\"\n5\" disk\nJo \"Red\" Li\n"_s, u',', u"[a\"b|c\"][5\" disk][Jo \"Red\" Li]"_s},
        {u" \"a\" ,\"b\"  \n"_s, u',', u"[a|b]"_s},
        // Text after a closing quote: the rows from the quote's to the closing one's are left
        // out, each line counted a row, and the next line read afresh.
        {u"Call,First,Last,City\nK1AAA,Ann,Abel,Aston\nK1BBB,\"Bo,Bell,Bath\n"
         u"K1CCC,Cy,Cole,Chester\nK1DDD,Di,Dunn,Dover\nK1EEE,Eve,\"Eton, Jr.\",Easton\n"
         u"K1FFF,Flo,Fay,Fife\n"_s,
         u',',
         u"[Call|First|Last|City][K1AAA|Ann|Abel|Aston][K1FFF|Flo|Fay|Fife] misplaced "
         u"rows 3-6 lines 3-6"_s},
        // A row that began with a value over two lines counts from its first line.
        {u" \"a\"b,\"c\nd\r\"x\ny\",\"z\r\nw\"q\rg,\"h\"i"_s, u',',
         u"[d] misplaced rows 1-1 lines 1-1 misplaced rows 3-5 lines 4-5 misplaced rows 6-6 "
         u"lines 6-6"_s},
        {u"Call,First\r\nK3A,Ann\r\nW1X,\"Bob\r\nN3Q,Cy\r\n"_s, u',',
         u"[Call|First][K3A|Ann][W1X|Bob\r\nN3Q,Cy\r\n] open 2,1@25 lines 3-4"_s},
        {u"a,\"x\ny\"\n  \"b,c\nd"_s, u',', u"[a|x\ny][b,c\nd] open 1,0@10 lines 3-4"_s},
        {u"a\rb,\"c\r"_s, u',', u"[a][b|c\r] open 1,1@4 lines 2-2"_s},
        {u"a,\"b\"\""_s, u',', u"[a|b\"] open 0,1@2 lines 1-1"_s},
        {u"a\n\"  "_s, u',', u"[a][  ] open 1,0@2 lines 2-2"_s}, // only blanks, still shown
    };
    for (const auto &[text, separator, rows] : cases)
        EXPECT_EQ(read(text, separator).toStdString(), rows.toStdString());
}

TEST(SheetReaderTest, FindsTheEncodingAndDropsTheByteOrderMark)
{
    const QByteArray utf8 = "Call,Last\nK3ABC,M\xC3\xBCller\n";
    const QByteArray w1252 = "Call,Last\nK3ABC,M\xFCller \x80\n";
    EXPECT_EQ(detectEncoding(utf8), SheetEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBF" + utf8), SheetEncoding::Utf8);
    EXPECT_EQ(detectEncoding(w1252), SheetEncoding::Windows1252);
    EXPECT_EQ(detectEncoding("overlong \xC0\xAF, cut \xE2\x82"), SheetEncoding::Windows1252);
    EXPECT_EQ(decodeSheet("\xEF\xBB\xBF" + utf8, SheetEncoding::Utf8),
              u"Call,Last\nK3ABC,M\u00FCller\n"_s);
    EXPECT_EQ(decodeSheet(w1252, SheetEncoding::Windows1252),
              u"Call,Last\nK3ABC,M\u00FCller \u20AC\n"_s);
    // Forced to UTF-8, the byte that is not UTF-8 becomes a replacement character.
    EXPECT_EQ(decodeSheet("M\xFCller", SheetEncoding::Utf8), u"M\uFFFDller"_s);
}

TEST(SheetReaderTest, FindsTheSeparatorThatSplitsTheRowsAlike)
{
    const std::pair<QString, SheetSeparator> cases[] = {
        {u"Call,First,Last\nK3A,Ann,Lee\n"_s, SheetSeparator::Comma},
        {u"Call;First;Last\nK3A;\"Ann, Jr\";Lee\n"_s, SheetSeparator::Semicolon},
        {u"Call\tFirst\tLast\nK3A\tAnn, Jr\tLee; Smith\n"_s, SheetSeparator::Tab},
        {u"\"Last, First\";Call\n\"Lee, Ann\";K3A\n"_s, SheetSeparator::Semicolon},
        {u"one column only\nx\n"_s, SheetSeparator::Comma},
        // As many columns either way: the tab, which a value is least likely to hold.
        {u"Call\tLast, First\nK3A\tLee, Ann\n"_s, SheetSeparator::Tab},
    };
    for (const auto &[text, separator] : cases)
        EXPECT_EQ(detectSeparator(text), separator) << text.toStdString();
}

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
        ImportSheet sheet(c.bytes, roll, fixedClock);
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
                      roll, fixedClock);
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

// A quote never closed in a data row leaves that row out and is named below the preview.
// Rows are numbered as the spreadsheet shows them: the blank rows left out still count.
TEST(ImportSheetTest, AQuoteNeverClosedIsPlannedAndNamedInTheSummary)
{
    const MemberStore roll = storeOf({u"K3ABC|John||Adams"_s});
    const ImportSheet inRow("\r\nCall,First,Last\r\nK3NEW,Ann,New\r\n,,\r\nK3ABC,John,Adams\r\n"
                            "\"W1XYZ,Bob\r\nK3Z,Zed\r\n",
                            roll, fixedClock);
    ASSERT_EQ(inRow.plan().rows.size(), 3u);
    EXPECT_EQ(inRow.plan().rows[2].quoteNeverClosedColumn, 0);
    EXPECT_EQ(std::tuple(inRow.plan().rows[0].sheetRow, inRow.plan().rows[1].sheetRow,
                         inRow.plan().rows[2].sheetRow),
              std::tuple(3, 5, 6));
    EXPECT_EQ(inRow.summary(0),
              u"3 rows in the file, 1 to add; 1 already on the roll; 1 with a quote never "
              u"closed. The roll has room for 0 members more. Row 6 opens a quote on line 6 of "
              u"the file that is never closed, so the rest of the file (lines 6-7) was read as "
              u"one value. Close the quote in the spreadsheet and import again."_s);
}

// A quote out of place in rows 3 and 8: the rows it ran over are left out and counted in the
// file, told below the preview and after the import, and the rows around them are read.
TEST(ImportSheetTest, TheRowsAQuoteOutOfPlaceRanOverAreLeftOutAndNamed)
{
    const ImportSheet sheet("Call,First,Last,City\nK1AAA,Ann,Abel,Aston\nK1BBB,\"Bo,Bell,Bath\n"
                            "K1CCC,Cy,Cole,Chester\nK1DDD,Di,Dunn,Dover\n"
                            "K1EEE,Eve,\"Eton, Jr.\",Easton\nK1FFF,Flo,Fay,Fife\n"
                            "K1GGG,Gus,\"Gray\"son,Gale\nK1HHH,Hal,Hume,Hull\n",
                            MemberStore(), fixedClock);
    QStringList added;
    for (const MemberRecord &member : sheet.membersToAdd())
        added << member[Field::Call] + u'@' +
                     QString::number(sheet.plan().rows[added.size()].sheetRow);
    EXPECT_EQ(added, (QStringList{u"K1AAA@2"_s, u"K1FFF@7"_s, u"K1HHH@9"_s}));
    const QString told =
        u"Rows 3 to 6: a quote opened in row 3 closes in row 6 with more of the value after it, "
        u"so these rows were read as one value and are left out. Row 8: a quote in it closes "
        u"with more of the value after it, so the row is left out. Put the quotes right in the "
        u"spreadsheet and import those rows again."_s;
    EXPECT_EQ(sheet.summary(9000), u"8 rows in the file, 3 to add. "_s + told);
    EXPECT_EQ(sheet.resultMessage(u"club.csv"_s),
              u"3 members added to the roll from club.csv.\n\n"_s + told);
    EXPECT_FALSE(sheet.headerMisplacedQuote());

    // Past the first three spans, the rest by their rows.
    const QByteArray many = "Call,Last\n" + QByteArray("K1A,\"A\"a\n").repeated(6);
    EXPECT_TRUE(ImportSheet(many, MemberStore(), fixedClock)
                    .summary(9000)
                    .endsWith(u"Rows 5-7 are left out for a quote out of place as well. Put the "
                              u"quotes right in the spreadsheet and import those rows again."_s));
}

TEST(ColumnMatchingTest, MatchesReportHeadersCaptionsAndUsualNamesOnce)
{
    const QStringList headers = {u"Call sign"_s,  u"FIRST NAME"_s, u"mi"_s,         u"Surname"_s,
                                 u"E-mail"_s,     u"Zip code"_s,   u"Lic. Exp."_s,  u"D.O.B."_s,
                                 u" Dues Paid"_s, u"Notes"_s,      u"Expiration"_s, u"email"_s};
    const ColumnMatches expected = {
        Field::Call,  Field::FirstName,      Field::MiddleInitial, Field::LastName, Field::Email,
        Field::Zip,   Field::LicenseExpires, Field::Dob,           Field::DuesPaid, Field::Other,
        std::nullopt, std::nullopt,          std::nullopt};
    EXPECT_EQ(matchColumns(headers, 13), expected);

    ColumnMatches matches = {Field::Call, Field::LastName, std::nullopt};
    assignField(matches, 2, Field::LastName);
    EXPECT_EQ(matches, (ColumnMatches{Field::Call, std::nullopt, Field::LastName}));
    assignField(matches, 0, std::nullopt);
    EXPECT_EQ(matches, (ColumnMatches{std::nullopt, std::nullopt, Field::LastName}));
}

TEST(ValueFixingTest, MakesEachKindOfValueFitForTheRoll)
{
    // field, raw value, fixed text, characters replaced, kept as written
    const std::tuple<Field, QString, QString, bool, bool> cases[] = {
        {Field::LastName, u"  O\"Brien \""_s, u"OBrien"_s, false, false},
        {Field::Address, u"12 Oak\nApt 2\rRear\r\n"_s, u"12 Oak\r\nApt 2\r\nRear"_s, false, false},
        {Field::City, u"Glen\r\nMills\tEast"_s, u"Glen Mills East"_s, false, false},
        {Field::Call, u"k3abc"_s, u"K3ABC"_s, false, false},
        {Field::State, u"pa"_s, u"PA"_s, false, false},
        {Field::ArrlMember, u"Yes"_s, u"Y"_s, false, false},
        {Field::VotingMember, u"x"_s, u"Y"_s, false, false},
        {Field::DuesPaid, u"TRUE"_s, u"Y"_s, false, false},
        {Field::DuesPaid, u"0"_s, u"N"_s, false, false},
        {Field::ArrlMember, u""_s, u"N"_s, false, false},
        {Field::ArrlMember, u"maybe"_s, u"maybe"_s, false, true},
        {Field::Joined, u"07/04/2003"_s, u"7/4/2003"_s, false, false},
        {Field::Dob, u"1951-07-19"_s, u"7/19/1951"_s, false, false},
        {Field::ClubExpires, u"12/31/26"_s, u"12/31/2026"_s, false, false},
        {Field::LicenseExpires, u"next spring"_s, u"next spring"_s, false, true},
        {Field::LastName, u"Kov\u0151 \u0141\u00F3d\u017A"_s, u"Kovo L\u00F3dz"_s, true, false},
        {Field::Other, u"73 \U0001F4FB!"_s, u"73 ?!"_s, true, false},
        {Field::FirstName, u"Ren\u00E9e \u20AC"_s, u"Ren\u00E9e \u20AC"_s, false, false},
        // The apostrophe the export guards a formula with goes, and only that one.
        {Field::FirstName, u"'=1+1"_s, u"=1+1"_s, false, false},
        {Field::Other, u"''@x"_s, u"'@x"_s, false, false},
        {Field::Address, u"'\r\n5 Oak"_s, u"5 Oak"_s, false, false},
        {Field::LastName, u"'t Hooft"_s, u"'t Hooft"_s, false, false},
        {Field::City, u"'"_s, u"'"_s, false, false},
    };
    for (const auto &[field, raw, text, replaced, kept] : cases) {
        const FixedValue fixed = fixValue(field, raw, today);
        EXPECT_EQ(std::tuple(fixed.text, fixed.replaced, fixed.keptAsText),
                  std::tuple(text, replaced, kept))
            << raw.toStdString();
    }
}

// Each planned row: the member, then the earlier row, it duplicates (0 for none); "e" when
// empty, "q" and the column of a quote never closed.
QString marksOf(const ImportPlan &plan)
{
    QStringList marks;
    for (const PlannedRow &row : plan.rows)
        marks << u"%1/%2"_s.arg(row.duplicateOfMember).arg(row.duplicateOfRow) +
                     (row.empty ? u"e"_s : QString()) +
                     (row.quoteNeverClosed() ? u"q%1"_s.arg(row.quoteNeverClosedColumn)
                                             : QString());
    return marks.join(u' ');
}

// The roll: Adams (K3ABC, 12 Oak St) and Baker (no call, 5 Elm St on two lines).
TEST(ImportPlanTest, HoldsRowsAgainstTheRollAndTheRowsAbove)
{
    const MemberStore roll =
        storeOf({u"K3ABC|John||Adams|12 Oak St"_s, u"|Mary||Baker|5 Elm St\r\nApt 2"_s});
    const ColumnMatches matches = {Field::Call, Field::FirstName, Field::LastName, Field::Address,
                                   std::nullopt};
    const std::vector<QStringList> rows = {
        {u"k3abc"_s, u"JOHN"_s, u"adams"_s, u"elsewhere"_s},   // 2: call and name
        {u""_s, u"mary"_s, u"BAKER"_s, u"5 Elm  St\nApt 2"_s}, // 3: name and address
        {u""_s, u"Mary"_s, u"Baker"_s, u"9 Pine Rd"_s},        // 4: same name only: new
        {u"W1XYZ"_s, u"John"_s, u"Adams"_s, u"1 Main"_s},      // 5: other call: new
        {u"W1XYZ"_s, u"John"_s, u"Adams"_s, u""_s},            // 6: as row 5
        {u"N3Q"_s, u"Zo\u0107"_s, u"Quinn"_s, u""_s},          // 7: replaced
        {u""_s, u"  "_s, u""_s, u""_s, u"not imported"_s},     // 8: blanks only: empty
        {u"K3A"_s, u"Ann"_s},                                  // 9: ragged: new
        {u"K3A"_s, u"Ann"_s},                                  // 10: no last name: new
        {u"K3ABC"_s, u"John"_s, u"Adams"_s, u""_s},            // 11: on the roll, as row 2 is
        {u""_s, u"Mary  Jo"_s, u"Baker"_s, u"9 Pine Rd"_s},    // 12: another first name: new
        {u""_s, u"mary jo"_s, u"BAKER"_s, u"9  Pine Rd"_s},    // 13: as row 12, blanks aside
    };
    const ImportPlan plan = planImport(rows, matches, roll, today);
    EXPECT_EQ(marksOf(plan), u"1/0 2/0 0/0 0/0 0/5 0/0 0/0e 0/0 0/0 1/0 0/0 0/12"_s);
    EXPECT_EQ(plan.rows.at(5).replaced, FieldSet{Field::FirstName});
    EXPECT_EQ(plan.member(7)[Field::FirstName] + plan.member(7)[Field::DuesPaid], u"AnnN"_s);

    const ImportTally strict = tallyImport(plan, {});
    EXPECT_EQ(
        std::tuple(strict.added, strict.duplicates, strict.unencodable, strict.empty),
        std::tuple(5, std::vector<int>{2, 3, 6, 11, 13}, std::vector<int>{7}, std::vector<int>{8}));
    EXPECT_EQ(importResultMessage(u"club.csv"_s, strict),
              u"5 members added to the roll from club.csv.\n\n7 rows left out:\n"
              u"5 rows already on the roll (rows 2-3, 6, 11 and 13)\n"
              u"1 row with characters AddrClub.dat cannot hold (row 7)\n"
              u"1 row empty in every imported column (row 8)"_s);

    const std::vector<MemberRecord> all = plan.membersToAdd({true, true});
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all[5][Field::FirstName], u"Zoc"_s);
}

// Values at the longest the roll takes and one past it, in an imported column and in one
// that is not; the last row holds a quote never closed.
TEST(ImportPlanTest, LeavesOutValuesTooLongAndTheRowAQuoteNeverClosedSwallowed)
{
    const QString longest(kLongestImportedValue, u'x');
    const QString tooLong = longest + u'x';
    // Blanks around a value go before it is measured.
    const QString padded = u"  "_s + longest + u"  "_s;
    const ColumnMatches matches = {Field::Call, Field::LastName, Field::Other, std::nullopt};
    const std::vector<QStringList> rows = {
        {u"K3A"_s, u"Able"_s, longest},                // 2: at the limit: added
        {u"K3B"_s, u"Baker"_s, tooLong},               // 3: too long
        {u"K3B"_s, u"Baker"_s, u"short"_s},            // 4: not a duplicate of row 3
        {u"K3C"_s, u"Cole"_s, padded, tooLong},        // 5: the long cell is not imported
        {u"K3D"_s, u"Dunn"_s, u"x\r\nK3E,Eve,\r\n"_s}, // 6: the quote never closed
    };
    const ImportPlan plan =
        planImport(rows, matches, MemberStore(), today, UnclosedCell{4, 2, 6, 7});
    EXPECT_EQ(marksOf(plan), u"0/0 0/0 0/0 0/0 0/0q2"_s);
    EXPECT_EQ(plan.rows.at(1).tooLong, FieldSet{Field::Other});

    for (const ImportChoices choices : {ImportChoices{}, ImportChoices{true, true}}) {
        const ImportTally tally = tallyImport(plan, choices);
        EXPECT_EQ(std::tuple(tally.added, tally.tooLong, tally.quoteNeverClosed),
                  std::tuple(3, std::vector<int>{3}, std::vector<int>{6}));
        const std::vector<MemberRecord> added = plan.membersToAdd(choices);
        ASSERT_EQ(added.size(), 3u);
        EXPECT_EQ(std::tuple(added[0][Field::Other], added[1][Field::Other], added[2][Field::Call]),
                  std::tuple(longest, u"short"_s, u"K3C"_s));
    }
    EXPECT_EQ(importResultMessage(u"club.csv"_s, tallyImport(plan, {})),
              u"3 members added to the roll from club.csv.\n\n2 rows left out:\n"
              u"1 row whose quote is never closed, the rest of the file read into it (row 6)\n"
              u"1 row with a value longer than 65,536 characters (row 3)"_s);
    // Room for exactly the rows to add: no word of room.
    EXPECT_EQ(importSummary(tallyImport(plan, {}), 5, 3),
              u"5 rows in the file, 3 to add; 1 with a quote never closed; 1 with a value too "
              u"long."_s);
}

TEST(ImportPlanTest, ListsRowsAsRunsAndCutsLongLists)
{
    EXPECT_EQ(rowList({2, 3, 4, 7, 9, 10}), u"2-4, 7, 9-10"_s);
    std::vector<int> sparse;
    for (int row = 2; row < 50; row += 2)
        sparse.push_back(row);
    EXPECT_EQ(rowList(sparse), u"2, 4, 6, 8, 10, 12, 14, 16, 18, 20 and 14 more"_s);
    // In a sentence: one row is "row", the last two runs are joined by "and", once.
    const std::pair<std::vector<int>, const char *> named[] = {
        {{5}, "row 5"},
        {{3, 4}, "rows 3-4"},
        {{3, 5}, "rows 3 and 5"},
        {{2, 3, 4, 7, 9, 10}, "rows 2-4, 7 and 9-10"},
        {sparse, "rows 2, 4, 6, 8, 10, 12, 14, 16, 18, 20 and 14 more"},
    };
    for (const auto &[rows, text] : named)
        EXPECT_EQ(rowsNamed(rows), QString::fromLatin1(text));
}

} // namespace
} // namespace tessaly
