#include "core/club_data_codec.h"

#include "core/member_store.h"

#include "file_records.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tessaly {

using namespace Qt::StringLiterals;
using testing::fileRecord;

// What parsing gives: each record as [values], up to the last non-empty value and separated by
// '|'; then " +N" for N records beyond the limit, " cut" when the file ended inside a record,
// and " !N@L" for N damaged records, the first on line L.
static QString parsed(const QByteArray &bytes, int limit = MemberStore::kCapacity)
{
    QString text;
    const ParseSummary s = parseClubData(bytes, limit, [&](MemberRecord &&r) {
        QStringList values(r.values.begin(), r.values.end());
        while (values.endsWith(QString()))
            values.removeLast();
        text += u'[' + values.join(u'|') + u']';
    });
    return text + (s.surplus ? u" +%1"_s.arg(s.surplus) : QString()) +
           (s.endedInsideRecord ? u" cut"_s : QString()) +
           (s.irregular ? u" !%1@%2"_s.arg(s.irregular).arg(s.firstIrregularLine) : QString());
}

const char kFull[] = "W1AW|Hiram|P|Maxim|225 Main St|Newington|CT|06111|860-594-0200|founder||"
                     "12/31/2026|5/1/1914|Extra|2/20/2036|Y|Y|N|9/2/1869";

// A line end outside quotes ends a record, so a damaged line is one damaged record and every
// record after it keeps its fields; a quoted line break still belongs to its value.
TEST(ParseClubData, ReadingRules)
{
    const QByteArray full = fileRecord(QByteArray(kFull).split('|')), rest = fileRecord({}).mid(8);
    const QByteArray a = fileRecord({"K1A", "Ann"}), b = fileRecord({"W1B", "Bob"}),
                     address = fileRecord({"N1C", "Cy", "", "Doe", "1 Elm\r\nApt 3"});
    const QByteArray values18 = a.left(a.lastIndexOf(",\"")) + "\r\n";
    const QByteArray unquoted = "K1A,John,Q,Doe" + QByteArray(",x").repeated(15);
    QByteArray values25 = fileRecord({"K2", "Ed"}).chopped(2);
    for (int k = 20; k <= 25; ++k)
        values25 += ",\"" + QByteArray::number(k) + '"';
    const QString twoFull = u"[%1][%1]"_s.arg(QString::fromUtf8(kFull));
    const std::pair<QByteArray, QString> cases[] = {
        {"", u""_s},
        {fileRecord({}), u"[]"_s},
        {"\"K1A\",\"Lee, Jr.\",\"1 Elm\r\nApt 3\"" + rest, u"[K1A|Lee, Jr.|1 Elm\r\nApt 3]"_s},
        {" K1A ,\tJo hn\t,O\"Brien " + rest, u"[K1A|Jo hn|OBrien]"_s},
        {"  \"K1A\", \t\"Lee, Jr.\",  \" Q \"" + rest, u"[K1A|Lee, Jr.| Q ]"_s},
        {"\"K1A\" x ,\"Smith\" Jr\"., \"Doe\"  " + rest, u"[K1Ax|SmithJr.|Doe]"_s},
        {"\"K1A\",\"John\"", u"[K1A|John] cut !1@1"_s},
        {"\"K1A\",\"Jo, Ann", u"[K1A|Jo, Ann] cut !1@1"_s}, // a quote never closed
        {full + full.chopped(2), twoFull},
        {full + "\r\n \r\n" + full + "\r\n\r\n\t", twoFull},
        {QByteArray(full).replace("\r\n", "\r") + full, twoFull},
        {fileRecord({"\x80", "Ren\xe9"}), u"[\u20ac|Ren\u00e9]"_s},
        // A DOS editor's Ctrl-Z ends the file; a UTF-8 file is read as UTF-8, its mark dropped.
        {fileRecord({"K1A"}) + "\x1a", u"[K1A]"_s},
        {"\xef\xbb\xbf" + fileRecord({"K1A", "Ren\xc3\xa9", "\xe2\x82\xac\xe6\x9d\xb1"}),
         u"[K1A|Ren\u00e9|\u20ac\u6771]"_s},
        {"\xef\xbb\xbf" + fileRecord({"K1A", "Ren\xe9"}), u"[K1A|Ren\u00e9]"_s},
        {fileRecord({"\xc3\xa9\xe9"}), u"[\u00c3\u00a9\u00e9]"_s}, // not UTF-8 as a whole
        {a + values25 + "\r\n" + b, u"[K1A|Ann][K2|Ed][W1B|Bob] !1@2"_s},
        {address + values18 + b + values18,
         u"[N1C|Cy||Doe|1 Elm\r\nApt 3][K1A|Ann][W1B|Bob][K1A|Ann] !2@3"_s},
        {"\"K1A\"\r\n\"John\"\r\"Q\"\n \"Doe\"\n" + b, u"[K1A][John][Q][Doe][W1B|Bob] !4@1"_s},
        // Values past the nineteenth are read through by the same rules, and dropped.
        {a.chopped(2) + ",\"x\r\ny\",\"z\"\r\n" + b, u"[K1A|Ann][W1B|Bob] !1@1"_s},
        // A quote left open takes the next line's first quote as its close: text after that
        // close shows the quote was a stray, and the value is read as an unquoted one.
        {fileRecord({"K1A", "John", "Q"}).replace("\"John\"", "\"John") + b,
         u"[K1A|John,Q][W1B|Bob] !1@1"_s},
        {a.chopped(3) + "\r\n" + a.chopped(3) + "\r\n" + b, u"[K1A|Ann][K1A|Ann][W1B|Bob] !2@1"_s},
        {unquoted + "\r\n" + unquoted + "\r\nK1A,\"John" + unquoted.mid(8) + "\r\n" + unquoted,
         u"[%1][%1][%1][%1] !1@3"_s.arg(QString::fromLatin1(unquoted).replace(u',', u'|'))},
        // A quoted line break that closes cleanly is the value's, even in a short record.
        {full + "\"K1A\",\"Ann\r\nLee\"\r\n" + b,
         u"[%1][K1A|Ann\r\nLee][W1B|Bob] !1@2"_s.arg(QString::fromUtf8(kFull))},
        {full + full.left(full.size() / 2),
         u"[%1][%2] cut !1@2"_s.arg(QString::fromUtf8(kFull), // ends after the ninth value
                                    QString::fromUtf8(kFull).section(u'|', 0, 8))},
    };
    for (const auto &[bytes, expected] : cases)
        EXPECT_EQ(parsed(bytes).toStdString(), expected.toStdString()) << bytes.toStdString();
}

TEST(ParseClubData, RecordsBeyondTheLimitAreCountedNotHandedOver)
{
    const QByteArray bytes =
        fileRecord({"1"}) + fileRecord({"2"}) + fileRecord({"3"}) + "\"4\",\"cut";
    EXPECT_EQ(parsed(bytes, 2), u"[1][2] +2 cut !1@4"_s);
    EXPECT_EQ(parsed(bytes, 0), u" +4 cut !1@4"_s);
}

// Quotes are left out of what is written, so no value shifts; characters Windows-1252 lacks become
// '?'. Everything else, whatever its bytes, is written back exactly as read.
TEST(SerializeClubData, WritesBackWhatWasRead)
{
    MemberRecord record;
    record.values = {u"\""_s, u"J\u00f6rg \u20ac \u0141ukasz \u6771"_s, {}, u"O\"Bri\"en\""_s};
    EXPECT_EQ(serializeRecord(record), fileRecord({"", "J\xf6rg \x80 ?ukasz ?", "", "OBrien"}));

    QByteArray everyByte; // all but the quote
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b == '"' ? 'x' : b);
    const QByteArray bytes = fileRecord(QByteArray(kFull).split('|')) +
                             fileRecord({"K1A", "John", "", "Smith, Jr.", "12 Elm St\r\nApt 3"}) +
                             fileRecord({}) + fileRecord({}) +
                             fileRecord({everyByte, "", "", everyByte}) +
                             fileRecord({" K1A ", "\r\nJo", "", "Doe\r\n", "\t"});
    MemberStore store;
    parseClubData(bytes, MemberStore::kCapacity, [&](MemberRecord &&r) { store.append(r); });
    EXPECT_EQ(serializeClubData(store), bytes);
}

} // namespace tessaly
