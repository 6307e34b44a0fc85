#include "export_rules/email_addresses.h"
#include "export_rules/member_csv.h"
#include "export_rules/member_directory.h"
#include "import_rules/import_sheet.h"
#include "import_rules/sheet_file.h"
#include "roll/roll_session.h"

#include "fake_printer.h"
#include "member_records.h"
#include "temp_roll.h"

#include <QFile>

#include <gtest/gtest.h>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

std::vector<int> allOf(const MemberStore &store)
{
    std::vector<int> records(static_cast<std::size_t>(store.count()));
    std::iota(records.begin(), records.end(), 1);
    return records;
}

// File order: Call|First|MI|Last|Address|City|State|Zip|Phone|Other|Email|Expires|Joined|
// Class|LicExp|ARRL|Voting|Dues|DOB. A lone CR another program left in a value ends a row in
// a spreadsheet as surely as a line break does. A value a spreadsheet would run as a formula
// goes out behind an apostrophe, one more when it already begins with apostrophes.
TEST(MembersCsv, HeaderRowThenEveryValueAsStoredQuotedWhereItMustBe)
{
    const MemberStore store =
        storeOf({u"K3ABC|John|Q|Adams|12 Oak St\r\nApt 2|Media|PA|19063|610-555-0101|golf, \"ham\"|"
                 u"ja@example.org|12/31/2026|1/5/1999|General|7/4/2030|Y|Y|N|2/29/1960"_s,
                 u"|Ren\u00e9||Lef\u00e8vre||Ayr\rEast"_s,
                 u"-K3|=1+1|@|'=x|\tTab|\rCR|''+y|'plain|+1 610|=HYPERLINK(x)"_s});
    const QByteArray csv = membersCsv(store, {2, 1, 3});
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Call,First,MI,Last,Address,City,State,Zip,Phone,Email,Joined,Expires,Class,Lic Exp,"
        "ARRL,Voting,Dues,DOB,Other\r\n"
        ",Ren\xC3\xA9,,Lef\xC3\xA8vre,,\"Ayr\rEast\",,,,,,,,,,,,,\r\n"
        "K3ABC,John,Q,Adams,\"12 Oak St\r\nApt 2\",Media,PA,19063,610-555-0101,ja@example.org,"
        "1/5/1999,12/31/2026,General,7/4/2030,Y,Y,N,2/29/1960,\"golf, \"\"ham\"\"\"\r\n"
        "'-K3,'=1+1,'@,''=x,'\tTab,\"'\rCR\",'''+y,'plain,'+1 610,,,,,,,,,,'=HYPERLINK(x)\r\n";
    EXPECT_EQ(csv, expected);
    EXPECT_EQ(membersCsv(store, {}), expected.left(expected.indexOf("\r\n") + 2));
}

// Exported, then imported into an empty roll: the same AddrClub.dat, byte for byte.
TEST(MembersCsv, TheImportReadsTheExportBackToTheSameRoll)
{
    QFile sample(QStringLiteral(TESSALY_SAMPLE_ROLL));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    // Accents, a two-line address with a comma, notes over three lines with a semicolon.
    const QByteArray edge =
        "\"W3\xC9\",\"Ren\xE9\",\"\",\"Lef\xE8vre\",\"1, rue d'Or\r\nB\xE2t 2\",\"Media\","
        "\"PA\",\"19063\",\"\",\"a b;c\r\nd\r\n\xA7 e\",\"r@x.org; s@x.org\",\"\",\"\",\"\",\"\","
        "\"N\",\"y\",\"n\",\"\"\r\n";
    // Values a spreadsheet would run as formulas, some already behind apostrophes of their own.
    const QByteArray guarded =
        "\"-K3\",\"=1+1\",\"@\",\"'=x\",\"''@home\",\"'plain\",\"+\",\"'\","
        "\"-5\",\"=HYPERLINK(x)\",\"@x.org\",\"\",\"\",\"'-\",\"\",\"N\",\"N\","
        "\"N\",\"\"\r\n";
    for (const QByteArray &roll : {sample.readAll(), edge, guarded}) {
        TempRoll from;
        from.write(u"AddrClub.dat"_s, roll);
        RollSession exporting(from.dir());
        ASSERT_TRUE(exporting.load().outcome.ok());
        from.write(u"Members.csv"_s, membersCsv(exporting.store(), allOf(exporting.store())));

        TempRoll into;
        into.write(u"AddrClub.dat"_s, QByteArray());
        RollSession importing(into.dir());
        ASSERT_TRUE(importing.load().outcome.ok());
        const SheetFile sheet = readSheetFile(from.path(u"Members.csv"_s));
        ASSERT_TRUE(sheet.outcome.ok()) << sheet.outcome.reason.toStdString();
        const ImportSheet imported(sheet.bytes, importing.store(),
                                   [] { return QDate(2026, 12, 6); });
        ASSERT_TRUE(importing.addMembers(imported.membersToAdd()).ok());
        EXPECT_EQ(into.read(u"AddrClub.dat"_s).toStdString(), roll.toStdString());
    }
}

TEST(EmailAddresses, EachAddressOnceInListOrderSplitAndTrimmed)
{
    const MemberStore store = storeOf({
        u"||||||||||ann@x.org"_s,
        u"||||||||||  Bob@Y.org ; ann@X.org,cy@z.org "_s,
        u"||||||||||none given"_s,
        u"|||"_s,
        u"||||||||||;,bob@y.ORG"_s,
    });
    const EmailAddresses found = emailAddresses(store, {2, 1, 3, 4, 5});
    EXPECT_EQ(
        std::tuple(found.addresses.join(u'|'), found.membersWithout, bccLine(found)),
        std::tuple(u"Bob@Y.org|ann@X.org|cy@z.org"_s, 2, u"Bob@Y.org, ann@X.org, cy@z.org"_s));
    EXPECT_TRUE(emailAddresses(store, {}).addresses.isEmpty());
}

// Blocks fill the left column, then the right, then the next page; none is split, and the
// heading takes its room on the first page only. Each member here is 4 lines (name, address,
// town, phone): 40 points and a 5 point gap.
TEST(MemberDirectory, BlocksNeverSplitAndFillTwoColumnsDownThenAcross)
{
    const DirectoryMeasures room{100, 30, 10, 5};
    MemberStore store;
    for (int n = 0; n < 11; ++n)
        store.append(recordOf(u"K%1|Ann|Q|Roe|1 Elm St|Media|PA|19063|555-01"_s.arg(n)));
    const DirectoryPlan plan = planDirectory(store, allOf(store), room);
    QStringList where;
    for (const DirectoryBlock &block : plan.blocks)
        where << u"%1/%2/%3"_s.arg(block.page).arg(block.column).arg(block.top);
    EXPECT_EQ(where.join(u' '), u"1/0/30 1/1/30 2/0/0 2/0/45 2/1/0 2/1/45 3/0/0 3/0/45 3/1/0 "
                                u"3/1/45 4/0/0"_s);
    EXPECT_EQ(std::tuple(plan.pages, plan.blocks[0].name + u'|' + plan.blocks[0].lines.join(u'|')),
              std::tuple(4, u"Roe, Ann Q|1 Elm St|Media PA 19063|555-01"_s));
    // The lines of core/member_lines: no separator where a part of the name is missing, a final
    // CR LF opening an empty line, no line for an empty address, the town simplified.
    const DirectoryPlan odd = planDirectory(
        storeOf({u"|Ann|||1 Elm\r\n| |PA|19063| "_s, u"||Q|Roe||||555"_s}), {1, 2}, room);
    EXPECT_EQ(odd.blocks[0].name + u'|' + odd.blocks[0].lines.join(u'|'), u"Ann|1 Elm||PA 19063"_s);
    EXPECT_EQ(odd.blocks[1].name + u'|' + odd.blocks[1].lines.join(u'|'), u"Roe, Q|555"_s);

    // A block taller than a column still gets a column of its own; no member, no page.
    const MemberStore tall =
        storeOf({u"|A||B|1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10"_s, u"|C||D"_s});
    EXPECT_EQ(planDirectory(tall, {1, 2}, room).blocks[1].column, 1);
    EXPECT_EQ(planDirectory(store, {}, room).pages, 0);
}

// On Letter in the real fonts, inside half-inch margins: every block of five lines fits its
// column, and the last page holds the last member. The printer's A4 is kept, any other paper
// becomes Letter.
TEST(MemberDirectory, OnLetterEveryBlockFitsItsColumn)
{
    MemberStore store;
    for (int n = 0; n < 200; ++n)
        store.append(
            recordOf(u"K%1|Ann|Q|Roe|%1 Elm St|Media|PA|19063|610-555-0101||a%1@x.org"_s.arg(n)));
    const DirectoryMeasures room = directoryMeasures(QSizeF(612, 792));
    EXPECT_LE(room.columnHeight, 792 - 72);
    const DirectoryPlan plan = planDirectory(store, allOf(store), room);
    for (const DirectoryBlock &block : plan.blocks)
        EXPECT_LE(block.top + 5 * room.lineHeight, room.columnHeight) << block.call.toStdString();
    EXPECT_TRUE(plan.pages > 2 && plan.blocks.back().page == plan.pages) << plan.pages;
    // Page 1: the heading, the date, then the first member's name and lines, each lower than the
    // one before (the call sign shares the name's line), and a gap before the next member.
    // Page 2: no heading; a call sign ends at its column's right edge (the left column spans 36
    // to 297 points); "Page 2 of n" centred on 306 at the foot, a line below every member's.
    const DirectoryPaper paper{
        QPageSize(QPageSize::Letter), {{612, 792}, {0, 0, 612, 792}}, u"12/7/2026"_s};
    const auto texts = [&](int page) {
        return drawnPage([&](QPainter &p, int n) { paintDirectoryPage(p, plan, n, paper); }, page,
                         paper.area)
            .texts;
    };
    const auto at = [](const QString &text, int coordinate) {
        return text.section(u' ', 0, 0).section(u',', coordinate, coordinate).toDouble();
    };
    const QStringList first = texts(1), second = texts(2);
    QStringList top = first.mid(0, 8); // heading, date, name, call, four lines
    EXPECT_TRUE(top[0].endsWith(u" Member Directory"_s) && top[1].endsWith(u" 12/7/2026"_s));
    top.removeAt(3);
    for (qsizetype n = 1; n < top.size(); ++n)
        EXPECT_GT(at(top[n], 1), at(top[n - 1], 1)) << top[n].toStdString();
    EXPECT_GT(at(first[8], 1) - at(top.last(), 1), 1.25 * room.lineHeight);
    EXPECT_TRUE(second.filter(u"Member Directory"_s).isEmpty());
    const double callAt = at(second.filter(u" K"_s).first(), 0);
    EXPECT_TRUE(callAt > 200 && callAt < 297) << callAt;
    EXPECT_TRUE(at(second.last(), 0) > 250 && at(second.last(), 0) < 306) << at(second.last(), 0);
    for (const QString &text : second.mid(0, second.size() - 1))
        EXPECT_LT(at(text, 1), at(second.last(), 1) - room.lineHeight) << text.toStdString();
    EXPECT_EQ(std::pair(directoryPaperFor(QPageSize(QPageSize::A4)).id(),
                        directoryPaperFor(QPageSize(QPageSize::Legal)).id()),
              std::pair(QPageSize::A4, QPageSize::Letter));
}

} // namespace
} // namespace tessaly::testing
