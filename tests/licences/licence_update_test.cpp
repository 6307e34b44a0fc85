#include "licences/licence_update.h"

#include "member_records.h"

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

FccLicence licence(const char *call, char status, char operatorClass, QDate granted,
                   QDate expires, QDate cancelled = {}, const char *previous = "")
{
    return FccLicence{call, status, granted, expires, cancelled, operatorClass, previous};
}

const QDate kToday(2026, 12, 7);

// The rows in one string each: record, name, call, field, roll value -> FCC value, the tick.
QStringList shown(const std::vector<LicenceRow> &rows)
{
    QStringList lines;
    for (const LicenceRow &row : rows) {
        const char *field = row.field == Field::Call           ? "Call"
                            : row.field == Field::LicenseClass ? "Class"
                                                               : "LicExp";
        lines << u"%1 %2 (%3) %4: %5 -> %6%7"_s.arg(row.record)
                     .arg(row.name, row.call, QLatin1String(field), row.rollValue, row.fccValue,
                          row.ticked ? u" [x]"_s : QString());
    }
    return lines;
}

TEST(LicenceUpdate, ProposesClassAndDateAndTellsWhatItCannotMatch)
{
    // Record order is the roll's sorted order; the fields are Call|First|MI|Last, then
    // LicenseClass and LicenseExpires in places 14 and 15.
    const auto member = [](const char *call, const char *first, const char *last,
                           const char *operatorClass, const char *expires) {
        return u"%1|%2||%3||||||||||%4|%5"_s.arg(QLatin1String(call), QLatin1String(first),
                                                QLatin1String(last), QLatin1String(operatorClass),
                                                QLatin1String(expires));
    };
    const MemberStore store = storeOf({
        member("K3ABC", "John", "Adams", "Gen", "3/1/2029"),
        member(" n3new ", "Mary", "Baker", "Tech", "07/04/2030"),
        member("W3OLD", "Carl", "Carter", "Extra", ""),
        member("VE3XYZ", "Dora", "Dunn", "Gen", ""),
        member("N3EXP", "Ed", "Evans", "General", "1/1/2020"),
        member("N3TWO", "Fay", "Fox", "Adv", ""),
        member("", "Gus", "Gray", "", ""),
        member("K3TWO", "Hal", "Hill", "Technician", "5/5/2031"),
    });
    const std::vector<FccLicence> file{
        licence("K3ABC", 'A', 'G', {2021, 3, 1}, {2031, 3, 1}),
        licence("N3NEW", 'A', 'G', {2020, 7, 4}, {2030, 7, 4}),
        licence("W3OLD", 'C', 'E', {2001, 1, 1}, {2011, 1, 1}, {2024, 5, 5}),
        licence("AA3NEW", 'A', 'E', {2024, 5, 5}, {2034, 5, 5}, {}, "W3OLD"),
        licence("N3EXP", 'E', 'G', {2010, 1, 1}, {2020, 1, 1}),
        licence("N3TWO", 'E', 'A', {2000, 1, 1}, {2010, 1, 1}),
        licence("N3TWO", 'C', 'A', {2011, 1, 1}, {2021, 1, 1}, {2015, 6, 30}),
        licence("K3TWO", 'A', 'E', {2021, 5, 5}, {2031, 5, 5}),
        licence("K3TWO", 'E', 'T', {2031, 1, 1}, {2001, 5, 5}),
    };
    EXPECT_EQ(shown(licenceRows(store, file, kToday)),
              (QStringList{
                  u"1 John Adams (K3ABC) LicExp: 3/1/2029 -> 3/1/2031 [x]"_s,
                  u"2 Mary Baker ( n3new ) Class: Tech -> Gen [x]"_s,
                  u"3 Carl Carter (W3OLD) Call: W3OLD -> AA3NEW"_s,
                  u"4 Dora Dunn (VE3XYZ) Call: VE3XYZ -> Not in the FCC file"_s,
                  u"5 Ed Evans (N3EXP) Call: N3EXP -> Expired 1/1/2020"_s,
                  u"6 Fay Fox (N3TWO) Call: N3TWO -> Cancelled 6/30/2015"_s,
                  u"8 Hal Hill (K3TWO) Class: Technician -> Extra [x]"_s,
              }));
}

TEST(LicenceUpdate, AProposedClassIsWrittenAsTheRollMostOftenWritesIt)
{
    const struct {
        QStringList others; // the classes of the rest of the roll
        char fcc;
        const char *proposed;
    } cases[] = {
        {{u"Gen"_s, u"General"_s, u"gen"_s, u"Gen"_s}, 'G', "Gen"},
        {{u"G"_s, u"General"_s}, 'G', "G"}, // equal counts: the earlier member's
        {{u"Tech"_s}, 'P', "Tech Plus"},    // a class the roll never writes
        {{u"technician plus"_s}, 'P', "technician plus"},
        {{}, 'E', "Extra"},
        {{}, 'A', "Advanced"},
        {{}, 'N', "Novice"},
        {{u"amateur extra"_s}, 'E', "amateur extra"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.proposed);
        MemberStore store = storeOf({u"K3ABC||||||||||||||"_s});
        for (const QString &other : c.others)
            store.append(recordOf(u"|||||||||||||"_s + other));
        const std::vector<LicenceRow> rows =
            licenceRows(store, {licence("K3ABC", 'A', c.fcc, {2020, 1, 1}, {})}, kToday);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].fccValue, QLatin1String(c.proposed));
    }
    // Any name of the class the file gives is no change.
    for (const char *same : {"E", "extra", "Amateur Extra", " EXTRA "}) {
        const MemberStore store = storeOf({u"K3ABC|||||||||||||%1"_s.arg(QLatin1String(same))});
        EXPECT_TRUE(licenceRows(store, {licence("K3ABC", 'A', 'E', {2020, 1, 1}, {})}, kToday).empty())
            << same;
    }
}

TEST(LicenceUpdate, TickedRowsChangeOnlyCallClassAndLicenceExpiration)
{
    const MemberStore store = storeOf({
        u"K3ABC|John|Q|Adams|1 Oak|Media|PA|19063|555|golf|j@x.org|1/1/2027|1/1/1999|Tech|1/1/2020|Y|Y|N|2/29/1960"_s,
        u"W3OLD|Carl||Carter||||||||||Extra|1/1/2020"_s,
    });
    std::vector<LicenceRow> rows =
        licenceRows(store,
                    {licence("K3ABC", 'A', 'G', {2021, 3, 1}, {2031, 3, 1}),
                     licence("AA3NEW", 'A', 'E', {2024, 5, 5}, {2034, 5, 5}, {}, "W3OLD")},
                    kToday);
    ASSERT_EQ(rows.size(), 3u);
    rows[0].ticked = false; // K3ABC's class stays
    rows[2].ticked = true;  // W3OLD becomes AA3NEW
    const auto changes = tickedChanges(store, rows);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].first, 1);
    EXPECT_EQ(changes[0].second,
              recordOf(u"K3ABC|John|Q|Adams|1 Oak|Media|PA|19063|555|golf|j@x.org|1/1/2027|1/1/1999|Tech|3/1/2031|Y|Y|N|2/29/1960"_s));
    EXPECT_EQ(changes[1].first, 2);
    EXPECT_EQ(changes[1].second, recordOf(u"AA3NEW|Carl||Carter||||||||||Extra|1/1/2020"_s));
}

} // namespace
} // namespace tessaly::testing
