#include "import/sheet_reader.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Rows = std::vector<QStringList>;

TEST(SheetReaderTest, ReadsQuotesDoubledQuotesLineBreaksAndRaggedRows)
{
    const struct {
        const char *name;
        QString text;
        QChar separator;
        Rows rows;
    } cases[] = {
        {"plain, CR LF", u"a,b\r\nc,d\r\n"_s, u',', {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}}},
        {"quoted separator and doubled quote",
         u"\"Smith, Jr\",\"say \"\"hi\"\"\"\n"_s,
         u',',
         {{u"Smith, Jr"_s, u"say \"hi\""_s}}},
        {"line breaks inside quotes",
         u"\"12 Oak\r\nApt 2\",x\n\"a\nb\",y"_s,
         u',',
         {{u"12 Oak\r\nApt 2"_s, u"x"_s}, {u"a\nb"_s, u"y"_s}}},
        {"blank rows dropped, ragged kept",
         u"a;b;c\r\n\r\n;;\r\nd\r\ne;f;g;h"_s,
         u';',
         {{u"a"_s, u"b"_s, u"c"_s}, {u"d"_s}, {u"e"_s, u"f"_s, u"g"_s, u"h"_s}}},
        {"tab, empty cells, lone CR",
         u"a\t\tc\rd\t\"\""_s,
         u'\t',
         {{u"a"_s, QString(), u"c"_s}, {u"d"_s, QString()}}},
        {"blanks before a quote, text after it, unclosed quote",
         u" \"a\"b,\"c,d"_s,
         u',',
         {{u"ab"_s, u"c,d"_s}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readSheetRows(c.text, c.separator), c.rows);
    }
}

// Where the quote stands, and the rows as read: the rest of the text in its one cell.
TEST(SheetReaderTest, ReportsAQuoteNeverClosedWithItsRowCellAndLines)
{
    struct Open {
        qsizetype row, column, offset;
        int line, lastLine;
    };
    const struct {
        const char *name;
        QString text;
        Rows rows;
        std::optional<Open> open;
    } cases[] = {
        {"in the third row, CR LF",
         u"Call,First\r\nK3A,Ann\r\nW1X,\"Bob\r\nN3Q,Cy\r\n"_s,
         {{u"Call"_s, u"First"_s}, {u"K3A"_s, u"Ann"_s}, {u"W1X"_s, u"Bob\r\nN3Q,Cy\r\n"_s}},
         Open{2, 1, 25, 3, 4}},
        {"after a quoted line break, LF",
         u"a,\"x\ny\"\n  \"b,c\nd"_s,
         {{u"a"_s, u"x\ny"_s}, {u"b,c\nd"_s}},
         Open{1, 0, 10, 3, 4}},
        {"lone CRs", u"a\rb,\"c\r"_s, {{u"a"_s}, {u"b"_s, u"c\r"_s}}, Open{1, 1, 4, 2, 2}},
        {"in the header", u"\"Call,First\r\nK3A,Ann"_s, {{u"Call,First\r\nK3A,Ann"_s}},
         Open{0, 0, 0, 1, 2}},
        {"a doubled quote at the end", u"a,\"b\"\""_s, {{u"a"_s, u"b\""_s}}, Open{0, 1, 2, 1, 1}},
        {"only blanks inside, still shown", u"a\n\"  "_s, {{u"a"_s}, {u"  "_s}}, Open{1, 0, 2, 2, 2}},
        {"closed by a doubled quote and one more", u"a,\"b\"\"\"\n"_s, {{u"a"_s, u"b\""_s}},
         std::nullopt},
        {"a quote inside a value is a character", u"a\"b,c\"\n5\" disk\n"_s,
         {{u"a\"b"_s, u"c\""_s}, {u"5\" disk"_s}}, std::nullopt},
        {"text after a closing quote, quote in it", u"\"a\"b\"c\n"_s, {{u"ab\"c"_s}},
         std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SheetRows sheet = readSheet(c.text, u',');
        EXPECT_EQ(sheet.rows, c.rows);
        ASSERT_EQ(sheet.unclosedQuote.has_value(), c.open.has_value());
        if (!c.open)
            continue;
        const UnclosedQuote &open = *sheet.unclosedQuote;
        EXPECT_EQ(open.row, c.open->row);
        EXPECT_EQ(open.column, c.open->column);
        EXPECT_EQ(open.offset, c.open->offset);
        EXPECT_EQ(open.line, c.open->line);
        EXPECT_EQ(open.lastLine, c.open->lastLine);
    }
}

TEST(SheetReaderTest, FindsTheEncodingAndDropsTheByteOrderMark)
{
    const QByteArray utf8 = "Call,Last\nK3ABC,M\xC3\xBCller\n";
    const QByteArray w1252 = "Call,Last\nK3ABC,M\xFCller \x80\n";
    EXPECT_EQ(detectEncoding(utf8), SheetEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBF" + utf8), SheetEncoding::Utf8);
    EXPECT_EQ(detectEncoding("plain ascii"), SheetEncoding::Utf8);
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
    };
    for (const auto &[text, separator] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(detectSeparator(text), separator);
    }
}

} // namespace
} // namespace tessaly
