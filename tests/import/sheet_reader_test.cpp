#include "import/sheet_file.h"
#include "import/sheet_reader.h"

#include "import/import_texts.h"

#include "special_files.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

using Rows = std::vector<QStringList>;

// A file chosen in the import's dialog is read only when it is a regular file of at most
// 64 MB: a FIFO or a device fails at once with its name and why, a file too large is
// refused as before, and nothing is read either way.
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
    folder.write(u"book.xls"_s, QByteArray("PK\0\3", 4));
    EXPECT_EQ(readSheetFile(folder.path(u"book.xls"_s)).outcome.reason, notTextSheetReason());
}

// The rows as read, each as [cells] separated by '|', and for a quote never closed where it
// stands: "open" row,cell@offset, then its line and the last line read into it (the rest of
// the text in its one cell).
QString read(const QString &text, QChar separator)
{
    const SheetRows sheet = readSheet(text, separator);
    EXPECT_EQ(readSheetRows(text, separator), sheet.rows);
    QString shown;
    for (const QStringList &row : sheet.rows)
        shown += u'[' + row.join(u'|') + u']';
    if (const std::optional<UnclosedQuote> &q = sheet.unclosedQuote)
        shown += u" open %1,%2@%3 lines %4-%5"_s.arg(q->row)
                     .arg(q->column)
                     .arg(q->offset)
                     .arg(q->line)
                     .arg(q->lastLine);
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
        // A quote inside a value is a character; blanks before a quote go, text after it stays.
        {u"a\"b,c\"\n5\" disk\n"_s, u',', u"[a\"b|c\"][5\" disk]"_s},
        {u" \"a\"b,\"a\"b\"c\n"_s, u',', u"[ab|ab\"c]"_s},
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
    for (const auto &[text, separator] : cases)
        EXPECT_EQ(detectSeparator(text), separator) << text.toStdString();
}

} // namespace
} // namespace tessaly
