#include "license_rules/fcc_license_file.h"
#include "license_rules/fcc_line_reader.h"
#include "license_rules/license_update.h"

#include "fcc_files.h"
#include "member_records.h"
#include "linux_facilities.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaly::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

const QSet<QByteArray> kWanted{"K3ABC", "W3OLD", "N3XYZ"};

// Two members of the roll, a vanity change of a third and a license no member holds.
const QByteArray kAm = amLine(11, "K3ABC", "G") + amLine(12, "K3ABC", "T") +
                       amLine(13, "AA3NEW", "E", "W3OLD") + amLine(14, "KB1ZZZ", "T") +
                       amLine(15, "n3xyz ", "A");
const QByteArray kHd = hdLine(11, "K3ABC", 'A', "03/01/2021", "03/01/2031") +
                       hdLine(12, "K3ABC", 'E', "02/02/2001", "02/02/2011") +
                       hdLine(13, "AA3NEW", 'A', "05/05/2024", "05/05/2034") +
                       hdLine(14, "KB1ZZZ", 'A', "01/01/2020", "01/01/2030") +
                       hdLine(15, "n3xyz ", 'C', "01/01/2000", "01/01/2010", "06/30/2005");

// What was read, a license a line: call, status, class, previous call, the three dates.
std::string summary(const FccReading &reading)
{
    QByteArrayList lines;
    for (const FccLicense &l : reading.licenses) {
        const char operatorClass = l.operatorClass ? l.operatorClass : '-';
        lines << l.call + ' ' + l.status + ' ' + operatorClass + ' ' + l.previousCall;
        for (const QDate &date : {l.granted, l.expires, l.cancelled})
            lines.back() += ' ' + date.toString(Qt::ISODate).toLatin1();
    }
    std::sort(lines.begin(), lines.end());
    return lines.join('\n').toStdString();
}

const std::string kExpected = "AA3NEW A E W3OLD 2024-05-05 2034-05-05 \n"
                              "K3ABC A G  2021-03-01 2031-03-01 \n"
                              "K3ABC E T  2001-02-02 2011-02-02 \n"
                              "N3XYZ C A  2000-01-01 2010-01-01 2005-06-30";

TEST(FccLicenseFile, JoinsBothFilesByIdentifierKeepingOnlyTheRollsLicenses)
{
    TempRoll files;
    // Zipped in either order, deflated; and the two files as taken out of the zip.
    writeZip(files.path(u"l_amat.zip"_s), {{"HD.dat", kHd}, {"AM.dat", kAm}, {"EN.dat", "EN|1|"}});
    writeZip(files.path(u"reversed.zip"_s), {{"AM.dat", kAm}, {"HD.dat", kHd}});
    // The extracted files as an editor may leave them: the last line without its end, and the
    // name in small letters, as some unzip programs write it.
    files.write(u"HD.dat"_s, kHd.chopped(2));
    files.write(u"am.dat"_s, kAm.chopped(2));
    for (const QString &name : {u"l_amat.zip"_s, u"reversed.zip"_s, u"HD.dat"_s, u"am.dat"_s}) {
        SCOPED_TRACE(name.toStdString());
        const FccReading reading = readFccLicenses(files.path(name), kWanted);
        EXPECT_EQ(std::tuple(reading.outcome.reason, summary(reading), reading.skippedLines,
                             reading.fileDate.isValid()),
                  std::tuple(QString(), kExpected, 0, true));
    }
}

// A line that is no record of its file (too few fields, another record type) is damaged.
TEST(FccLicenseFile, SkipsAndCountsLinesWithTooFewFieldsOrOfAnotherKind)
{
    TempRoll files;
    const QByteArray am = kAm + "AM|16|x||K3ABC\n" + "\n" + "XX|20|||K3ABC|E|||||||||||\n";
    // Megabytes of licenses no member holds come first, as in the FCC's file: lines run
    // across the reader's buffers.
    const QByteArray others = hdLine(14, "KB1ZZZ", 'A', "01/01/2020", "01/01/2030").repeated(30000);
    const QByteArray hd = "HD|17||\n" + others + kHd + "HD|18|||K3ABC|A|HA|01/01/2020\n" +
                          QByteArray(70 * 1024, 'x') + "\nHD|notanumber|||K3ABC|A|HA|||||\n";
    writeZip(files.path(u"l_amat.zip"_s), {{"HD.dat", hd}, {"AM.dat", am}});
    const FccReading reading = readFccLicenses(files.path(u"l_amat.zip"_s), kWanted);
    EXPECT_EQ(std::tuple(reading.outcome.ok(), summary(reading), reading.skippedLines),
              std::tuple(true, kExpected, 6));
}

// Lines come out whole wherever a buffer ends; a line past the longest is told once, whether
// it comes in one buffer or runs on over the next, and the line after it is read.
TEST(FccLineReader, LinesCrossBuffersAndALineTooLongIsToldOnce)
{
    struct Lines final : FccLineReader::Sink {
        std::string seen;
        void line(std::string_view line) override { (seen += line) += '/'; }
        void overlong() override { seen += "(long)/"; }
    };
    const std::string longLine(kLongestFccLine + 1, 'x');
    const std::pair<std::string, const char *> texts[] = {
        {"AM|1\r\n \r\n\nHD|2|x\nlast", "AM|1\r/HD|2|x/last/"},
        {longLine + "\nAM|3\n" + longLine, "(long)/AM|3/(long)/"},
    };
    // Every cut of the short text; in the long one, within and just past the first line.
    const std::size_t longest = kLongestFccLine;
    std::vector<std::size_t> cuts{longest / 2, longest + 1, longest + 9};
    for (std::size_t cut = 0; cut < 30; ++cut)
        cuts.push_back(cut);
    for (const auto &[text, expected] : texts) {
        for (const std::size_t cut : cuts) {
            if (cut > text.size())
                continue;
            Lines lines;
            FccLineReader reader(lines);
            reader.feed(std::string_view(text).substr(0, cut));
            reader.feed(std::string_view(text).substr(cut));
            reader.finish();
            EXPECT_EQ(lines.seen, expected) << cut;
        }
    }
}

TEST(FccLicenseFile, BadFilesAreRefusedNamingTheFileAndWhatIsWrong)
{
    TempRoll files;
    writeZip(files.path(u"nohd.zip"_s), {{"AM.dat", kAm}});
    writeZip(files.path(u"noam.zip"_s), {{"HD.dat", kHd}});
    files.write(u"text.zip"_s, "HD|1|||K3ABC|A\n");
    files.write(u"notes.txt"_s, kHd);

    writeZip(files.path(u"damaged.zip"_s), {{"AM.dat", kAm}, {"HD.dat", kHd}}, true);
    QByteArray zip = files.read(u"damaged.zip"_s);
    zip.replace("05/05/2034", "05/05/2035");
    files.write(u"damaged.zip"_s, zip);
    files.write(u"cut.zip"_s, zip.left(zip.size() / 2));

    const TempRoll lonely;
    lonely.write(u"HD.dat"_s, kHd);
    const QString onlyHeader = lonely.path(u"HD.dat"_s);

    const SpecialFile fifo(SpecialKind::Fifo, files.path(u"fifo.zip"_s), 0);

    // Bytes of no meaning, line after line, where the FCC's records should be.
    QByteArray noise;
    for (int n = 0; n < 20000; ++n)
        noise += char((n * 7919 + n / 13) % 256);
    writeZip(files.path(u"noise.zip"_s), {{"AM.dat", kAm}, {"HD.dat", noise}});
    const TempRoll noisy;
    noisy.write(u"HD.dat"_s, noise);
    noisy.write(u"AM.dat"_s, kAm);

    const std::pair<QString, const char *> cases[] = {
        {files.path(u"nohd.zip"_s), "nohd.zip holds no HD.dat"},
        {files.path(u"noam.zip"_s), "noam.zip holds no AM.dat"},
        {files.path(u"text.zip"_s), "text.zip is not a zip file, or is cut off"},
        {files.path(u"cut.zip"_s), "cut.zip is not a zip file, or is cut off"},
        {files.path(u"damaged.zip"_s),
         "damaged.zip: HD.dat is damaged: its checksum does not match"},
        {files.path(u"notes.txt"_s), "notes.txt is neither the FCC's l_amat.zip nor the HD.dat"},
        {onlyHeader, "There is no AM.dat beside HD.dat"},
        {files.path(u"fifo.zip"_s), "fifo.zip is not a regular file (a FIFO)"},
        {files.path(u"missing.zip"_s), "No such file or directory"},
        {files.path(u"noise.zip"_s), "noise.zip: HD.dat holds no license record: it is not the "
                                     "FCC's amateur license file"},
        {noisy.path(u"HD.dat"_s), "HD.dat holds no license record"},
    };
    for (const auto &[path, reason] : cases) {
        SCOPED_TRACE(reason);
        const FccReading reading = readFccLicenses(path, kWanted);
        EXPECT_EQ(std::tuple(reading.outcome.failed(), reading.outcome.file,
                             reading.licenses.size(),
                             reading.outcome.reason.left(qsizetype(strlen(reason)))),
                  std::tuple(true, path, std::size_t(0), QString::fromUtf8(reason)));
    }
}

// A member inflating past the limit is refused however its size is given; cancelling stops the
// reading with nothing read.
TEST(FccLicenseFile, AMemberPastTheLimitOrACancelStopsTheReading)
{
    TempRoll files;
    writeZip(files.path(u"l_amat.zip"_s), {{"AM.dat", kAm}, {"HD.dat", kHd}});
    files.write(u"HD.dat"_s, kHd);
    files.write(u"AM.dat"_s, kAm);
    // Over the limit by one byte.
    const qint64 limit = kAm.size() - 1;
    EXPECT_EQ(readFccLicenses(files.path(u"l_amat.zip"_s), kWanted, {}, limit).outcome.reason,
              u"l_amat.zip holds AM.dat, which would inflate to more than %1 bytes"_s.arg(limit));
    // An extracted file has no size of its own to trust before it is read.
    EXPECT_EQ(readFccLicenses(files.path(u"HD.dat"_s), kWanted, {}, limit).outcome.reason,
              u"AM.dat is larger than %1 bytes"_s.arg(limit));

    std::vector<std::pair<qint64, qint64>> steps; // bytes done, of how many
    const FccReading whole =
        readFccLicenses(files.path(u"l_amat.zip"_s), kWanted, [&](qint64 done, qint64 of) {
            steps.emplace_back(done, of);
            return true;
        });
    const qint64 both = kAm.size() + kHd.size();
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(std::pair(whole.outcome.ok(), steps.back()), std::pair(true, std::pair(both, both)));

    const FccReading cancelled =
        readFccLicenses(files.path(u"l_amat.zip"_s), kWanted, [](qint64, qint64) { return false; });
    EXPECT_EQ(std::pair(cancelled.outcome.status, cancelled.licenses.size()),
              std::pair(Outcome::Status::Refused, std::size_t(0)));
}

FccLicense license(const char *call, char status, char operatorClass, QDate granted, QDate expires,
                   QDate cancelled = {}, const char *previous = "")
{
    return FccLicense{call, status, granted, expires, cancelled, operatorClass, previous};
}

const QDate kToday(2026, 12, 7);

// The rows in one string each: record, name, call, field, roll value -> FCC value, the tick.
QStringList shown(const std::vector<LicenseRow> &rows)
{
    QStringList lines;
    for (const LicenseRow &row : rows) {
        const char *field = row.field == Field::Call           ? "Call"
                            : row.field == Field::LicenseClass ? "Class"
                                                               : "LicExp";
        lines << u"%1 %2 (%3) %4: %5 -> %6%7"_s.arg(row.record)
                     .arg(row.name, row.call, QLatin1String(field), row.rollValue, row.fccValue,
                          row.ticked ? u" [x]"_s : QString());
    }
    return lines;
}

TEST(LicenseUpdate, ProposesClassAndDateAndTellsWhatItCannotMatch)
{
    // Record order is the roll's sorted order; LicenseClass and LicenseExpires are the
    // fourteenth and fifteenth fields.
    const MemberStore store = storeOf({
        u"K3ABC|John||Adams||||||||||Gen|3/1/2029"_s,
        u" n3new |Mary||Baker||||||||||Tech|07/04/2030"_s,
        u"W3OLD|Carl||Carter||||||||||Extra"_s,
        u"VE3XYZ|Dora||Dunn||||||||||Gen"_s,
        u"N3EXP|Ed||Evans||||||||||General|1/1/2020"_s,
        u"N3TWO|Fay||Fox||||||||||Adv"_s,
        u"|Gus||Gray"_s,
        u"K3TWO|Hal||Hill||||||||||Technician|5/5/2031"_s,
        u"N3END|Ida||Irwin||||||||||Gen"_s,
    });
    const std::vector<FccLicense> file{
        license("K3ABC", 'A', 'G', {2021, 3, 1}, {2031, 3, 1}),
        license("N3NEW", 'A', 'G', {2020, 7, 4}, {2030, 7, 4}),
        license("W3OLD", 'C', 'E', {2001, 1, 1}, {2011, 1, 1}, {2024, 5, 5}),
        license("AA3NEW", 'A', 'E', {2024, 5, 5}, {2034, 5, 5}, {}, "W3OLD"),
        license("N3EXP", 'E', 'G', {2010, 1, 1}, {2020, 1, 1}),
        license("N3TWO", 'E', 'A', {2000, 1, 1}, {2010, 1, 1}),
        license("N3TWO", 'C', 'A', {2011, 1, 1}, {2021, 1, 1}, {2015, 6, 30}),
        license("K3TWO", 'A', 'E', {2021, 5, 5}, {2031, 5, 5}),
        license("K3TWO", 'E', 'T', {2031, 1, 1}, {2001, 5, 5}),
        license("N3END", 'T', 'G', {2012, 1, 1}, {2022, 1, 1}, {2016, 3, 3}),
        // A call sign once taken in place of N3END and since cancelled renames nobody.
        license("KC3GONE", 'C', 'G', {2017, 1, 1}, {2027, 1, 1}, {2018, 1, 1}, "N3END"),
    };
    EXPECT_EQ(shown(licenseRows(store, file, kToday)),
              (QStringList{
                  u"1 John Adams (K3ABC) LicExp: 3/1/2029 -> 3/1/2031 [x]"_s,
                  u"2 Mary Baker ( n3new ) Class: Tech -> Gen [x]"_s,
                  u"3 Carl Carter (W3OLD) Call: W3OLD -> AA3NEW"_s,
                  u"4 Dora Dunn (VE3XYZ) Call: VE3XYZ -> Not in the FCC file"_s,
                  u"5 Ed Evans (N3EXP) LicExp: 1/1/2020 -> Expired 1/1/2020"_s,
                  u"6 Fay Fox (N3TWO) LicExp:  -> Cancelled 6/30/2015"_s,
                  u"8 Hal Hill (K3TWO) Class: Technician -> Extra [x]"_s,
                  u"9 Ida Irwin (N3END) LicExp:  -> Terminated 3/3/2016"_s,
              }));
}

// A roll's call sign and the file's match in any letter case with blanks around them; only a
// to z change case, on both sides alike, as the Call box capitalises only them.
TEST(LicenseUpdate, CallSignsMatchInAnyCaseButOnlyAsciiLettersChangeCase)
{
    const std::tuple<const char16_t *, const char *, bool> cases[] = {
        {u" k3Abc\u00a0", "K3ABC", true}, // a no-break space typed after it
        {u"K3ABC", " k3abc ", true},      {u"k3ab\u00e7", "K3AB\xe7", true},
        {u"\u00dfK1", "SSK1", false}, // the capitals of a sharp s are "SS", yet it is no call sign
        {u"\u0131K1", "IK1", false},  // nor is a dotless i an I
        {u"K3AB\u00c7", "K3ABC", false},  {u"K3AB\u0421", "K3ABC", false}, // a Cyrillic capital Es
    };
    for (const auto &[rollCall, fileCall, matches] : cases) {
        SCOPED_TRACE(fileCall);
        const MemberStore store =
            storeOf({QString::fromUtf16(rollCall) + u"|||||||||||||G|1/1/2030"_s});
        TempRoll files;
        files.write(u"HD.dat"_s, hdLine(1, fileCall, 'A', "01/01/2020", "01/01/2030"));
        files.write(u"AM.dat"_s, amLine(1, fileCall, "G"));
        const FccReading reading = readFccLicenses(files.path(u"HD.dat"_s), rollCallSigns(store));
        // A member matched with the same class and date has nothing to be told.
        EXPECT_EQ(std::pair(reading.licenses.size(),
                            licenseRows(store, reading.licenses, kToday).empty()),
                  std::pair(std::size_t(matches ? 1 : 0), matches));
    }
}

TEST(LicenseUpdate, AProposedClassIsWrittenAsTheRollMostOftenWritesIt)
{
    // The classes of the rest of the roll, the file's class, the class proposed.
    const std::tuple<QStringList, char, const char *> cases[] = {
        {{u"Gen"_s, u"General"_s, u"gen"_s, u"Gen"_s}, 'G', "Gen"},
        {{u"G"_s, u"General"_s}, 'G', "G"}, // equal counts: the earlier member's
        {{u"Tech"_s}, 'P', "Tech Plus"},    // a class the roll never writes
        {{u"technician plus"_s}, 'P', "technician plus"},
        {{}, 'E', "Extra"},
        {{}, 'A', "Advanced"},
        {{}, 'N', "Novice"},
        {{u"amateur extra"_s}, 'E', "amateur extra"},
    };
    for (const auto &[others, fcc, proposed] : cases) {
        SCOPED_TRACE(proposed);
        MemberStore store = storeOf({u"K3ABC||||||||||||||"_s});
        for (const QString &other : others)
            store.append(recordOf(u"|||||||||||||"_s + other));
        const std::vector<LicenseRow> rows =
            licenseRows(store, {license("K3ABC", 'A', fcc, {2020, 1, 1}, {})}, kToday);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].fccValue, QLatin1String(proposed));
    }
    // Any name of the class the file gives is no change.
    for (const char *same : {"E", "extra", "Amateur Extra", " EXTRA "}) {
        const MemberStore store = storeOf({u"K3ABC|||||||||||||%1"_s.arg(QLatin1String(same))});
        EXPECT_TRUE(
            licenseRows(store, {license("K3ABC", 'A', 'E', {2020, 1, 1}, {})}, kToday).empty())
            << same;
    }
}

TEST(LicenseUpdate, TickedRowsChangeOnlyCallClassAndLicenseExpiration)
{
    const QString adams = u"K3ABC|John|Q|Adams|1 Oak|Media|PA|19063|555|golf|j@x.org|1/1/2027|"
                          u"1/1/1999|Tech|1/1/2020|Y|Y|N|2/29/1960"_s;
    const QString carter = u"W3OLD|Carl||Carter||||||||||Extra|1/1/2020"_s;
    const MemberStore store = storeOf({adams, carter});
    std::vector<LicenseRow> rows =
        licenseRows(store,
                    {license("K3ABC", 'A', 'G', {2021, 3, 1}, {2031, 3, 1}),
                     license("AA3NEW", 'A', 'E', {2024, 5, 5}, {2034, 5, 5}, {}, "W3OLD")},
                    kToday);
    ASSERT_EQ(rows.size(), 3u);
    rows[0].ticked = false; // K3ABC's class stays
    rows[2].ticked = true;  // W3OLD becomes AA3NEW
    // Only K3ABC's license expiration and W3OLD's call sign change.
    EXPECT_EQ(tickedChanges(store, rows),
              (std::vector<std::pair<int, MemberRecord>>{
                  {1, recordOf(QString(adams).replace(u"|1/1/2020|"_s, u"|3/1/2031|"_s))},
                  {2, recordOf(QString(carter).replace(u"W3OLD"_s, u"AA3NEW"_s))}}));
}

} // namespace
} // namespace tessaly::testing
