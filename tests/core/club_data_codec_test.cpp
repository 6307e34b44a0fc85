#include "core/club_data_codec.h"
#include "core/member_store.h"

#include "member_fixtures.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tessaly {
namespace {

using testing::recordOf;
using testing::recordsOf;
using testing::sampleMember;
using testing::storeOf;

struct Parsed {
    std::vector<MemberRecord> records;
    ParseSummary summary;
};

Parsed parse(const QByteArray &bytes, int limit = MemberStore::kCapacity)
{
    Parsed parsed;
    parsed.summary = parseClubData(bytes, limit, [&parsed](MemberRecord &&record) {
        parsed.records.push_back(std::move(record));
    });
    return parsed;
}

// Nineteen values, each quoted, as the program writes a record.
QByteArray quotedLine(const QList<QByteArray> &values)
{
    QByteArray line;
    for (int k = 0; k < kFieldCount; ++k) {
        if (k > 0)
            line += ',';
        line += '"';
        if (k < values.size())
            line += values[k];
        line += '"';
    }
    return line + "\r\n";
}

const QByteArray kFullLine =
    "\"W1AW\",\"Hiram\",\"P\",\"Maxim\",\"225 Main St\",\"Newington\",\"CT\",\"06111\","
    "\"860-594-0200\",\"founder\",\"\",\"12/31/2026\",\"5/1/1914\",\"Extra\",\"2/20/2036\","
    "\"Y\",\"Y\",\"N\",\"9/2/1869\"\r\n";

MemberRecord fullRecord()
{
    return recordOf({"W1AW", "Hiram", "P", "Maxim", "225 Main St", "Newington", "CT", "06111",
                     "860-594-0200", "founder", "", "12/31/2026", "5/1/1914", "Extra", "2/20/2036",
                     "Y", "Y", "N", "9/2/1869"});
}

TEST(ParseClubData, ReadingRules)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        std::vector<MemberRecord> expected;
        bool endedInside;
    };
    const QByteArray allEmpty = quotedLine({});
    const Case cases[] = {
        {"a record as written", kFullLine, {fullRecord()}, false},
        {"empty file", "", {}, false},
        {"only blank lines", "\r\n  \r\n\t\n", {}, false},
        {"all values empty", allEmpty, {MemberRecord{}}, false},
        {"comma inside quotes",
         quotedLine({"K1A", "John", "", "Smith, Jr."}),
         {recordOf({"K1A", "John", "", "Smith, Jr."})},
         false},
        {"line break inside quotes spans lines",
         quotedLine({"K1A", "", "", "Doe", "12 Elm St\r\nApt 3", "", "", "", "", "a\r\nb"}),
         {recordOf({"K1A", "", "", "Doe", "12 Elm St\r\nApt 3", "", "", "", "", "a\r\nb"})},
         false},
        {"values on separate lines",
         "\"K1A\"\r\n\"John\",\"Q\"\r\n\"Doe\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
         "\"\",\"\",\"\",\"\",\"1/1/1950\"\r\n",
         {recordOf({"K1A", "John", "Q", "Doe", "", "", "", "", "", "", "", "", "", "", "", "", "",
                    "", "1/1/1950"})},
         false},
        {"unquoted values lose blanks and quotes",
         " K1A ,\tJohn\t, Q ,O\"Brien, 1 Main St ,,,,,,,,,,,Y,N , N,  \r\n",
         {recordOf({"K1A", "John", "Q", "OBrien", "1 Main St", "", "", "", "", "", "", "", "", "",
                    "", "Y", "N", "N", ""})},
         false},
        {"blanks before an opening quote",
         "  \"K1A\", \t\"John\",  \" Q \"" + quotedLine({}).mid(8),
         {recordOf({"K1A", "John", " Q "})},
         false},
        {"text after a closing quote is kept",
         "\"K1A\" x ,\"Smith\" Jr\"., \"Doe\"  " + quotedLine({}).mid(8),
         {recordOf({"K1Ax", "SmithJr.", "Doe"})},
         false},
        {"file ends inside a record",
         "\"K1A\",\"John\",\"Q\"",
         {recordOf({"K1A", "John", "Q"})},
         true},
        {"file ends after a separator", "\"K1A\",\"John\",", {recordOf({"K1A", "John"})}, true},
        {"quote never closed runs to the end",
         "\"K1A\",\"John\r\n\",\"Jo, Ann\r\n",
         {recordOf({"K1A", "John\r\n", "Jo, Ann\r\n"})},
         true},
        {"last record without line end",
         kFullLine + kFullLine.chopped(2),
         {fullRecord(), fullRecord()},
         false},
        {"trailing blank lines are no record",
         kFullLine + "\r\n\r\n   \r\n\t",
         {fullRecord()},
         false},
        {"blank line between records shifts nothing",
         kFullLine + "\r\n" + kFullLine,
         {fullRecord(), fullRecord()},
         false},
        {"LF and lone CR end lines too",
         QByteArray(kFullLine).replace("\r\n", "\n") + QByteArray(kFullLine).replace("\r\n", "\r"),
         {fullRecord(), fullRecord()},
         false},
        {"a stray comma after the last value",
         kFullLine.chopped(2) + ",\r\n" + kFullLine,
         {fullRecord(), fullRecord()},
         false},
        {"bytes are Windows-1252",
         quotedLine({"\x80", "Ren\xe9", "\x93q\x94"}),
         {recordOf({"\u20ac", "Ren\u00e9", "\u201cq\u201d"})},
         false},
    };
    for (const Case &c : cases) {
        const Parsed parsed = parse(c.bytes);
        EXPECT_EQ(parsed.records, c.expected) << c.name;
        EXPECT_EQ(parsed.summary.records, static_cast<int>(c.expected.size())) << c.name;
        EXPECT_EQ(parsed.summary.surplus, 0) << c.name;
        EXPECT_EQ(parsed.summary.endedInsideRecord, c.endedInside) << c.name;
    }
}

TEST(ParseClubData, RecordsBeyondTheLimitAreCountedNotHandedOver)
{
    QByteArray bytes;
    for (int i = 1; i <= 5; ++i)
        bytes += quotedLine({QByteArray::number(i)});
    bytes += "\"6\",\"cut";

    const Parsed parsed = parse(bytes, 2);
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[1][Field::Call], QStringLiteral("2"));
    EXPECT_EQ(parsed.summary.records, 2);
    EXPECT_EQ(parsed.summary.surplus, 4);
    EXPECT_TRUE(parsed.summary.endedInsideRecord);

    EXPECT_EQ(parse(bytes, 0).summary.surplus, 6);
    EXPECT_EQ(parse(bytes, 0).records.size(), 0u);
}

TEST(SerializeClubData, WritesEveryValueQuotedWithCrLfAfterEachRecord)
{
    EXPECT_EQ(serializeRecord(fullRecord()), kFullLine);
    EXPECT_EQ(serializeRecord(MemberRecord{}),
              QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                         "\"\",\"\",\"\",\"\",\"\"\r\n"));

    MemberRecord twoLines = fullRecord();
    twoLines[Field::Address] = QStringLiteral("225 Main St\r\nSuite 1");
    EXPECT_EQ(serializeRecord(twoLines),
              QByteArray(kFullLine).replace("225 Main St", "225 Main St\r\nSuite 1"));

    EXPECT_EQ(serializeClubData(MemberStore{}), QByteArray());
    EXPECT_EQ(serializeClubData(storeOf({fullRecord(), MemberRecord{}, fullRecord()})),
              kFullLine + serializeRecord(MemberRecord{}) + kFullLine);
}

TEST(SerializeClubData, AQuoteInAValueIsLeftOutSoNoFieldShifts)
{
    MemberRecord record = fullRecord();
    record[Field::LastName] = QStringLiteral("O\"Brien \"Jr\"");
    record[Field::Other] = QStringLiteral("\"");
    const QByteArray bytes = serializeRecord(record);
    EXPECT_TRUE(bytes.contains("\"OBrien Jr\""));

    const Parsed parsed = parse(bytes);
    MemberRecord expected = fullRecord();
    expected[Field::LastName] = QStringLiteral("OBrien Jr");
    expected[Field::Other] = QString();
    EXPECT_EQ(parsed.records, std::vector<MemberRecord>{expected});
}

TEST(SerializeClubData, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    MemberRecord record;
    record[Field::FirstName] = QStringLiteral("J\u00f6rg \u20ac \u0141ukasz \u6771");
    EXPECT_TRUE(serializeRecord(record).startsWith("\"\",\"J\xf6rg \x80 ?ukasz ?\","));
}

TEST(ClubDataRoundTrip, ParseThenSerializeGivesBackTheSameBytes)
{
    QByteArray everyByte;
    for (int b = 0; b <= 0xff; ++b) {
        if (b != '"')
            everyByte += static_cast<char>(b);
    }
    struct Case {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"a full record", kFullLine},
        {"two-line address",
         quotedLine({"K1A", "Ann", "", "Lee", "12 Elm St\r\nApt 3", "Town", "MA", "01001"})},
        {"comma in a last name", quotedLine({"K1A", "John", "", "Smith, Jr."})},
        {"all-empty records", quotedLine({}) + quotedLine({}) + quotedLine({})},
        {"every byte but the quote", quotedLine({everyByte, "", "", everyByte, everyByte})},
        {"blanks and line breaks at value edges",
         quotedLine({" K1A ", "\r\nJohn", "", "Doe\r\n", "\t", ",", ",,"})},
        {"many records",
         [] {
             QByteArray b;
             for (int i = 0; i < 50; ++i)
                 b += serializeRecord(sampleMember(i, i % 3 == 0));
             return b;
         }()},
    };
    for (const Case &c : cases) {
        MemberStore store;
        const ParseSummary summary =
            parseClubData(c.bytes, MemberStore::kCapacity,
                          [&store](MemberRecord &&r) { store.append(std::move(r)); });
        EXPECT_FALSE(summary.endedInsideRecord) << c.name;
        EXPECT_EQ(serializeClubData(store), c.bytes) << c.name;
    }
}

TEST(ClubDataRoundTrip, ATruncatedLastRecordIsKeptAndWrittenWhole)
{
    const QByteArray second = quotedLine({"K2B", "Ann", "", "Lee", "1 Elm St\r\nApt 2"});
    const QByteArray bytes = kFullLine + second.left(second.indexOf("Apt"));

    const Parsed parsed = parse(bytes);
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_TRUE(parsed.summary.endedInsideRecord);
    EXPECT_EQ(parsed.records[1], recordOf({"K2B", "Ann", "", "Lee", "1 Elm St\r\n"}));

    const QByteArray written = serializeClubData(storeOf(parsed.records));
    EXPECT_EQ(written, kFullLine + quotedLine({"K2B", "Ann", "", "Lee", "1 Elm St\r\n"}));
    EXPECT_EQ(parse(written).records, parsed.records);
}

} // namespace
} // namespace tessaly
