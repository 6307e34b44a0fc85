#include "core/club_data_codec.h"
#include "core/date_text.h"
#include "core/member_lines.h"
#include "core/member_store.h"
#include "core/member_table.h"
#include "core/text_codec.h"

#include "file_records.h"
#include "member_records.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringList>

#include <string>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace tessaly {

using namespace Qt::StringLiterals;
using testing::fileRecord;
using testing::recordOf;
using testing::storeOf;

// The given field of every record, separated by blanks.
static QString column(const MemberStore &store, Field f)
{
    QStringList values;
    for (int n = 1; n <= store.count(); ++n)
        values << store.field(n, f);
    return values.join(u' ');
}

TEST(MemberStore, RemovalMovesLaterRecordsDownAndFreesASlot)
{
    for (const auto &[removed, remaining] :
         {std::pair(1, u"B C"_s), {2, u"A C"_s}, {3, u"A B"_s}}) {
        MemberStore store = storeOf({u"|||A"_s, u"|||B"_s, u"|||C"_s});
        store.removeMember(removed);
        EXPECT_EQ(column(store, Field::LastName), remaining);
    }
    MemberStore store = testing::fullRoll();
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(recordOf(u"|||One too many"_s)));
    store.removeMember(MemberStore::kCapacity);
    EXPECT_TRUE(store.append(recordOf(u"|||Newcomer"_s)));
    EXPECT_EQ(store.field(MemberStore::kCapacity, Field::LastName), u"Newcomer"_s);
    EXPECT_DEBUG_DEATH(store.setField(0, Field::LastName, u"X"_s), "out of range");
    EXPECT_DEBUG_DEATH(store.removeMember(MemberStore::kCapacity + 1), "out of range");
}

TEST(SortMembers, IgnoresCaseKeepsEqualKeysInOrderAndReportsWhereEachWent)
{
    // A blank sorts before any letter: "Smith" before "Smithers", an empty last name first.
    MemberStore store = storeOf({u"1|Al||Smithers"_s, u"2|john|R|Smith"_s, u"3|John|q|SMITH"_s,
                                 u"4|Al||Smith"_s, u"5|Zed"_s, u"6|JOHN|r|smith"_s});
    EXPECT_EQ(store.sortMembers(), (std::vector<int>{0, 6, 4, 3, 2, 1, 5}));
    EXPECT_EQ(column(store, Field::Call), u"5 4 3 2 6 1"_s);
    EXPECT_EQ(MemberStore().sortMembers(), std::vector<int>{0});

    // Enough equal keys, in mixed case, that an unstable sort would shuffle them.
    const char *names[] = {"adams", "Baker", "ADAMS", "baker"};
    QStringList calls[2];
    store.clear();
    for (int i = 0; i < 100; ++i) {
        store.append(recordOf(QString::number(i) + u"|||"_s + QLatin1String(names[i % 4])));
        calls[i % 2] << QString::number(i);
    }
    store.sortMembers();
    EXPECT_EQ(column(store, Field::Call), (calls[0] + calls[1]).join(u' '));
}

// The table both the member list and the report copy: members in the order given, numbers
// outside the store skipped, Email, Joined, Expires and Other out of file order, CR LF pairs
// in Address and Other joined while a lone CR or LF stays, a tab inside a value left as it is,
// and an empty member nineteen empty values.
TEST(MemberTable, TheCopiedTableByteForByte)
{
    const MemberStore store = storeOf({
        u"K3AB|Jo|Q|Li, Jr|1 Oak\r\nApt 4|Ayr|PA|19063|555|golf\r\nchoir|e@x|12/26|1/99|Gen|7/30|"
        "Y|N|y|2/60"_s,
        u"|Al||Bo|1\rA\n2\r\r\nB|||19063||x\n\ry\r\n|a\tb@x"_s,
        QString(),
    });
    EXPECT_EQ(memberTableText(store, {2, 9, 1, 0, 3, -1}),
              u"\tAl\t\tBo\t1\rA\n2\r, B\t\t\t19063\t\ta\tb@x\t\t\t\t\t\t\t\t\tx\n\ry \r\n"
              "K3AB\tJo\tQ\tLi, Jr\t1 Oak, Apt 4\tAyr\tPA\t19063\t555\te@x\t1/99\t12/26\tGen\t"
              "7/30\tY\tN\ty\t2/60\tgolf choir\r\n"
              "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n"_s);
    EXPECT_EQ(memberTableText(store, {}), QString());

    // One cell alone, as the report shows it.
    const MemberRecord record = recordOf(u"K3\r\nAB||||\r\n\r\n|||||net\r\n"_s);
    EXPECT_EQ(memberTableCell(record, Field::Address), u", , "_s);
    EXPECT_EQ(memberTableCell(record, Field::Other), u"net "_s);
    EXPECT_EQ(memberTableCell(record, Field::Call), u"K3\r\nAB"_s);
}

// Each line rule in every variant, the variants' results joined by '|'. The name "First MI
// Last" (Quick Copy, Address.txt, labels: a blank after each given part there) or "Last, First
// MI" (the member list: every separator; the directory: only between parts there); the town as
// stored or simplified; the address lines, each in brackets: only a CR LF pair breaks a line,
// and the variants differ only at the ends.
TEST(MemberLines, NameTownAndAddressLines)
{
    using O = NameOrder;
    using S = NameSeparators;
    const NameStyle styles[] = {
        {O::GivenFirst, S::Always},         {O::GivenFirst, S::AfterPresent},
        {O::GivenFirst, S::BetweenPresent}, {O::LastFirst, S::Always},
        {O::LastFirst, S::AfterPresent},    {O::LastFirst, S::BetweenPresent}};
    const AddressBreaks breaks[] = {AddressBreaks::EndLines, AddressBreaks::SeparateLines,
                                    AddressBreaks::SeparateLinesOfAny};
    const std::array<QString, 4> cases[] = {
        {u"|Jo|Q|Li|1 Elm|Troy|NY|12180"_s, u"Jo Q Li|Jo Q Li|Jo Q Li|Li, Jo Q|Li, Jo Q|Li, Jo Q"_s,
         u"Troy NY 12180|Troy NY 12180"_s, u"[1 Elm]|[1 Elm]|[1 Elm]"_s},
        {u"|Jo||Li|1 Elm\r\n|||19063"_s, u"Jo  Li|Jo Li|Jo Li|Li, Jo |Li, Jo |Li, Jo"_s,
         u"  19063|19063"_s, u"[1 Elm]|[1 Elm][]|[1 Elm][]"_s},
        {u"|||Li|\r\n| Glen  Mills\t|PA"_s, u"  Li|Li|Li|Li,  |Li, |Li"_s,
         u" Glen  Mills\t PA |Glen Mills PA"_s, u"[]|[][]|[][]"_s},
        {u"|Jo|Q||1 Elm\r\n\r\nB\rC\n\r\r\nD"_s, u"Jo Q |Jo Q |Jo Q|, Jo Q|Jo Q|Jo Q"_s, u"  |"_s,
         u"[1 Elm][][B\rC\n\r][D]|[1 Elm][][B\rC\n\r][D]|[1 Elm][][B\rC\n\r][D]"_s},
        {QString(), u"  |||,  ||"_s, u"  |"_s, u"|[]|"_s},
    };
    for (const auto &[fields, names, towns, addresses] : cases) {
        const MemberRecord member = recordOf(fields);
        QStringList byStyle, byBreaks;
        for (const NameStyle style : styles)
            byStyle << nameLine(member, style);
        for (const AddressBreaks each : breaks) {
            byBreaks << QString();
            for (const QString &line : addressLines(member[Field::Address], each))
                byBreaks.last() += u'[' + line + u']';
        }
        const QString town = townLine(member, TownSpacing::AsStored) + u'|' +
                             townLine(member, TownSpacing::Simplified);
        EXPECT_EQ(std::tuple(byStyle.join(u'|'), town, byBreaks.join(u'|')),
                  std::tuple(names, towns, addresses))
            << fields.toStdString();
    }
}

// What loading gives, into a store with room for limit records: each record as [values], up to
// the last non-empty value and separated by '|'; then " +N" for N records beyond the limit,
// " cut" when the file ended inside a record, and " !N@L" for N damaged records, the first on
// line L.
static QString parsed(const QByteArray &bytes, int limit = MemberStore::kCapacity)
{
    MemberStore store = testing::fullRoll(MemberStore::kCapacity - limit);
    const int before = store.count();
    const ParseSummary s = loadClubData(bytes, store);
    QString text;
    for (int n = before + 1; n <= store.count(); ++n) {
        QStringList values(store.record(n).values.begin(), store.record(n).values.end());
        while (values.endsWith(QString()))
            values.removeLast();
        text += u'[' + values.join(u'|') + u']';
    }
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
        // UTF-8 holds no surrogate (ED A0 80 would be U+D800): these bytes are Windows-1252.
        {fileRecord({"\xc3\xa9\xed\xa0\x80"}), u"[\u00c3\u00a9\u00ed\u00a0\u20ac]"_s},
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
        {a.chopped(2) + "\r" + values18 + b, u"[K1A|Ann][K1A|Ann][W1B|Bob] !1@2"_s}, // a lone CR
        {QByteArray(a).replace("\",\"", "\"\n\""),
         u"[K1A][Ann]"_s + u"[]"_s.repeated(17) + u" !19@1"_s},
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
    // Records beyond the limit are counted, not handed over.
    const QByteArray four =
        fileRecord({"1"}) + fileRecord({"2"}) + fileRecord({"3"}) + "\"4\",\"cut";
    EXPECT_EQ(parsed(four, 2), u"[1][2] +2 cut !1@4"_s);
    EXPECT_EQ(parsed(four, 0), u" +4 cut !1@4"_s);
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

static const QDate kToday(2026, 12, 6);

// Each accepted text reads as its date and is written back as m/d/yyyy.
TEST(DateText, AcceptedForms)
{
    const std::pair<const char *, const char *> cases[] = {
        {"  07/04/2003\t", "7/4/2003"}, {"7/4/3", "7/4/2003"},      {"1/1/00", "1/1/2000"},
        {"12/31/29", "12/31/2029"},     {"1/1/30", "1/1/1930"},     {"12/31/99", "12/31/1999"},
        {" 07/04 ", "7/4/2026"},        {"7-4-2003", "7/4/2003"},   {"25.12.1950", "12/25/1950"},
        {"2003/7/4", "7/4/2003"},       {"13/1/02", "1/13/2002"},   {"31/12", "12/31/2026"},
        {"12/13/2002", "12/13/2002"},   {"2/29/2004", "2/29/2004"}, {"2/29/2000", "2/29/2000"},
        {"2/29/96", "2/29/1996"},       {"1/1/1000", "1/1/1000"},   {"12/31/9999", "12/31/9999"},
    };
    for (const auto &[in, written] : cases) {
        const QString text = QString::fromUtf8(in), expected = QString::fromUtf8(written);
        const QDate date = QDate::fromString(expected, u"M/d/yyyy"_s);
        EXPECT_EQ(parseDateText(text, kToday), std::optional(date)) << in;
        EXPECT_TRUE(isDateText(text, kToday) && formatDate(date) == expected) << in;
        EXPECT_EQ(formatDateText(text, kToday), expected) << in;
    }
    EXPECT_EQ(formatDate(QDate()), QString());
}

// Texts that are not dates, separated by ';': each is refused and left as it was.
static const char kNotDates[] =
    ";   ;abc;7/4/2003x;x7/4/2003;2/29/2003;2/29/1900;2/29/2100;4/31/2003;0/4/2003;7/0/2003;"
    "7/32/2003;32/1/2003;25/13/2002;7/4/203;7/4/0999;7/4/12345;7//2003;7/4/2003/1;7;2003;"
    "7/4/;/7/4;7/4-2003;7,4,2003;2003/13/1;2003/2/30;2003/7;+7/4/2003;7/4/-3;1 2/4/2003;"
    "7 4 2003;007/4/2003;\u0667/4/2003;99999999999999999999/1/1";

TEST(DateText, Rejects)
{
    for (const QString &text : QString::fromUtf8(kNotDates).split(u';')) {
        EXPECT_FALSE(isDateText(text, kToday)) << text.toStdString();
        EXPECT_EQ(formatDateText(text, kToday), text);
    }
    // A year left out is today's: 2/29 only in a leap year, and never without a today.
    EXPECT_FALSE(isDateText(u"2/29"_s, kToday));
    EXPECT_EQ(parseDateText(u"2/29"_s, QDate(2028, 1, 1)), QDate(2028, 2, 29));
    EXPECT_FALSE(isDateText(u"7/4"_s, QDate()));
}

// The system's own Windows-1252 converter: ICU's through Qt on Linux, the code page's on
// Windows (where Qt is built without ICU and names no such codec).
static QString systemWindows1252(const QByteArray &bytes)
{
#ifdef _WIN32
    std::wstring wide(std::size_t(bytes.size()), L'\0');
    const int length = ::MultiByteToWideChar(1252, 0, bytes.constData(), int(bytes.size()),
                                             wide.data(), int(wide.size()));
    return QString::fromWCharArray(wide.data(), length);
#else
    return QStringDecoder("windows-1252").decode(bytes);
#endif
}

TEST(Windows1252, EveryByteSurvivesAndCharactersWithoutAByteBecomeOneQuestionMarkEach)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const QString text = decodeWindows1252(bytes);
    EXPECT_TRUE(canEncodeWindows1252(text));
    EXPECT_EQ(encodeWindows1252(text), bytes);
    // The defined bytes decode as the system's converter has them; the five it leaves
    // undefined stand for the C1 controls of the same number.
    const QString system = systemWindows1252(bytes);
    ASSERT_EQ(system.size(), 256);
    for (int b = 0; b < 256; ++b) {
        const bool undefined = QByteArrayView("\x81\x8d\x8f\x90\x9d").contains(char(b));
        EXPECT_EQ(text[b], undefined ? QChar(b) : system[b]) << b;
    }

    const std::pair<QString, QByteArray> cases[] = {
        {u"a\u6771b"_s, "a?b"},
        {u"\U0001F600!"_s, "?!"},                          // one character, two UTF-16 units
        {QString(QChar(0xd800)) + QLatin1Char('x'), "?x"}, // a lone surrogate
        {u"\u0080\u0100"_s, "??"},                         // a C1 control with no byte of its own
        {u"\u20ac\u2122\"\u0081"_s, "\x80\x99\"\x81"},
    };
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(encodeWindows1252(in), out) << in.toStdString();
        EXPECT_EQ(canEncodeWindows1252(in), !out.contains('?')) << in.toStdString();
        EXPECT_EQ(canEncodeWindows1252(in[0]), out[0] != '?') << in.toStdString();
    }
}

// Whatever ASCII stands before and after it, and wherever it falls in a run of eight bytes, a
// UTF-8 sequence makes the text UTF-8 and a Windows-1252 letter or a cut sequence makes it none.
TEST(Utf8Shape, EachByteCountsWhereverItStands)
{
    for (int around = 0; around <= 17; ++around) {
        const QByteArray ascii(around, 'a');
        EXPECT_EQ(std::tuple(utf8Shape(ascii), utf8Shape(ascii + "\xC3\xBC" + ascii),
                             utf8Shape(ascii + "\xFC" + ascii), utf8Shape(ascii + "\xE2\x82")),
                  std::tuple(Utf8Shape::Ascii, Utf8Shape::MultiByte, Utf8Shape::Invalid,
                             Utf8Shape::Invalid))
            << around;
    }
}

} // namespace tessaly
