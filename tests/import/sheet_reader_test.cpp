#include "import/sheet_reader.h"

#include <gtest/gtest.h>

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
