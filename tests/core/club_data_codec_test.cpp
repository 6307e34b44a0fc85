#include "core/club_data_codec.h"

#include "core/member_store.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tessaly {

using namespace Qt::StringLiterals;

// What parsing gives: each record as [values], up to the last non-empty value and separated by
// '|'; then " +N" for N records beyond the limit and " cut" when the file ended inside a record.
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
           (s.endedInsideRecord ? u" cut"_s : QString());
}

// Nineteen values, each quoted, then CR LF: a record as the program writes it.
static QByteArray quoted(const QList<QByteArray> &values)
{
    QByteArray line;
    for (int k = 0; k < kFieldCount; ++k)
        line += (k ? ",\"" : "\"") + values.value(k) + '"';
    return line + "\r\n";
}

const char kFull[] = "W1AW|Hiram|P|Maxim|225 Main St|Newington|CT|06111|860-594-0200|founder||"
                     "12/31/2026|5/1/1914|Extra|2/20/2036|Y|Y|N|9/2/1869";

TEST(ParseClubData, ReadingRules)
{
    const QByteArray full = quoted(QByteArray(kFull).split('|')), rest = quoted({}).mid(8);
    const QString twoFull = u"[%1][%1]"_s.arg(QString::fromUtf8(kFull));
    const std::pair<QByteArray, QString> cases[] = {
        {"", u""_s},
        {quoted({}), u"[]"_s},
        {"\"K1A\",\"Lee, Jr.\",\"1 Elm\r\nApt 3\"" + rest, u"[K1A|Lee, Jr.|1 Elm\r\nApt 3]"_s},
        // A record runs on over line ends until it has all its values.
        {"\"K1A\"\r\n\"John\"\r\"Q\"\n\"Doe\"" + quoted({}).mid(11), u"[K1A|John|Q|Doe]"_s},
        {" K1A ,\tJo hn\t,O\"Brien \r\n" + rest.mid(1), u"[K1A|Jo hn|OBrien]"_s},
        {"  \"K1A\", \t\"Lee, Jr.\",  \" Q \"" + rest, u"[K1A|Lee, Jr.| Q ]"_s},
        {"\"K1A\" x ,\"Smith\" Jr\"., \"Doe\"  " + rest, u"[K1Ax|SmithJr.|Doe]"_s},
        {"\"K1A\",\"John\"", u"[K1A|John] cut"_s},
        {"\"K1A\",\"Jo, Ann\r\n", u"[K1A|Jo, Ann\r\n] cut"_s}, // a quote never closed
        {full + full.chopped(2), twoFull},
        {full + "\r\n \r\n" + full + "\r\n\r\n\t", twoFull},
        {QByteArray(full).replace("\r\n", "\r") + full, twoFull},
        {quoted({"\x80", "Ren\xe9"}), u"[\u20ac|Ren\u00e9]"_s},
    };
    for (const auto &[bytes, expected] : cases)
        EXPECT_EQ(parsed(bytes), expected) << bytes.toStdString();
}

TEST(ParseClubData, RecordsBeyondTheLimitAreCountedNotHandedOver)
{
    const QByteArray bytes = quoted({"1"}) + quoted({"2"}) + quoted({"3"}) + "\"4\",\"cut";
    EXPECT_EQ(parsed(bytes, 2), u"[1][2] +2 cut"_s);
    EXPECT_EQ(parsed(bytes, 0), u" +4 cut"_s);
}

// Quotes are left out of what is written, so no value shifts; characters Windows-1252 lacks become
// '?'. Everything else, whatever its bytes, is written back exactly as read.
TEST(SerializeClubData, WritesBackWhatWasRead)
{
    MemberRecord record;
    record.values = {u"\""_s, u"J\u00f6rg \u20ac \u0141ukasz \u6771"_s, {}, u"O\"Bri\"en\""_s};
    EXPECT_EQ(serializeRecord(record), quoted({"", "J\xf6rg \x80 ?ukasz ?", "", "OBrien"}));

    QByteArray everyByte; // all but the quote
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b == '"' ? 'x' : b);
    const QByteArray bytes = quoted(QByteArray(kFull).split('|')) +
                             quoted({"K1A", "John", "", "Smith, Jr.", "12 Elm St\r\nApt 3"}) +
                             quoted({}) + quoted({}) + quoted({everyByte, "", "", everyByte}) +
                             quoted({" K1A ", "\r\nJo", "", "Doe\r\n", "\t"});
    MemberStore store;
    parseClubData(bytes, MemberStore::kCapacity, [&](MemberRecord &&r) { store.append(r); });
    EXPECT_EQ(serializeClubData(store), bytes);
}

} // namespace tessaly
