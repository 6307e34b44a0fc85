#include "licences/fcc_licence_file.h"

#include "fcc_files.h"
#include "special_files.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

namespace tessaly::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

const QSet<QByteArray> kWanted{"K3ABC", "W3OLD", "N3XYZ"};

// Two members of the roll, a vanity change of a third and a licence no member holds.
const QByteArray kAm = amLine(11, "K3ABC", "G") + amLine(12, "K3ABC", "T") +
                       amLine(13, "AA3NEW", "E", "W3OLD") + amLine(14, "KB1ZZZ", "T") +
                       amLine(15, "n3xyz ", "A");
const QByteArray kHd = hdLine(11, "K3ABC", 'A', "03/01/2021", "03/01/2031") +
                       hdLine(12, "K3ABC", 'E', "02/02/2001", "02/02/2011") +
                       hdLine(13, "AA3NEW", 'A', "05/05/2024", "05/05/2034") +
                       hdLine(14, "KB1ZZZ", 'A', "01/01/2020", "01/01/2030") +
                       hdLine(15, "n3xyz ", 'C', "01/01/2000", "01/01/2010", "06/30/2005");

// What was read, a licence a line: call, status, class, previous call, the three dates.
std::string summary(const FccReading &reading)
{
    QStringList lines;
    for (const FccLicence &l : reading.licences)
        lines << u"%1 %2 %3 %4 %5 %6 %7"_s.arg(QString::fromLatin1(l.call), QChar::fromLatin1(l.status),
                                                QChar::fromLatin1(l.operatorClass ? l.operatorClass : '-'),
                                                QString::fromLatin1(l.previousCall),
                                                l.granted.toString(Qt::ISODate),
                                                l.expires.toString(Qt::ISODate),
                                                l.cancelled.toString(Qt::ISODate));
    lines.sort();
    return lines.join(u'\n').toStdString();
}

const std::string kExpected = "AA3NEW A E W3OLD 2024-05-05 2034-05-05 \n"
                              "K3ABC A G  2021-03-01 2031-03-01 \n"
                              "K3ABC E T  2001-02-02 2011-02-02 \n"
                              "N3XYZ C A  2000-01-01 2010-01-01 2005-06-30";

TEST(FccLicenceFile, JoinsBothFilesByIdentifierKeepingOnlyTheRollsLicences)
{
    TempRoll files;
    // Zipped in either order, deflated; and the two files as taken out of the zip.
    writeZip(files.path(u"l_amat.zip"_s), {{"HD.dat", kHd}, {"AM.dat", kAm}, {"EN.dat", "EN|1|"}});
    writeZip(files.path(u"reversed.zip"_s), {{"AM.dat", kAm}, {"HD.dat", kHd}});
    files.write(u"HD.dat"_s, kHd);
    files.write(u"AM.dat"_s, kAm);
    for (const QString &name : {u"l_amat.zip"_s, u"reversed.zip"_s, u"HD.dat"_s, u"AM.dat"_s}) {
        SCOPED_TRACE(name.toStdString());
        const FccReading reading = readFccLicences(files.path(name), kWanted);
        ASSERT_TRUE(reading.outcome.ok()) << reading.outcome.reason.toStdString();
        EXPECT_EQ(summary(reading), kExpected);
        EXPECT_EQ(reading.skippedLines, 0);
        EXPECT_TRUE(reading.fileDate.isValid());
    }
}

TEST(FccLicenceFile, SkipsAndCountsLinesWithTooFewFieldsAndIgnoresOtherRecords)
{
    TempRoll files;
    const QByteArray am = kAm + "AM|16|x||K3ABC\n" + "\n" + "XX|1|2\n";
    const QByteArray hd = "HD|17||\n" + kHd + "HD|18|||K3ABC|A|HA|01/01/2020\n" +
                          QByteArray(70 * 1024, 'x') + "\nHD|notanumber|||K3ABC|A|HA|||||\n";
    writeZip(files.path(u"l_amat.zip"_s), {{"HD.dat", hd}, {"AM.dat", am}});
    const FccReading reading = readFccLicences(files.path(u"l_amat.zip"_s), kWanted);
    ASSERT_TRUE(reading.outcome.ok());
    EXPECT_EQ(summary(reading), kExpected);
    EXPECT_EQ(reading.skippedLines, 5);
}

TEST(FccLicenceFile, BadFilesAreRefusedNamingTheFileAndWhatIsWrong)
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

    QTemporaryDir lonely;
    const QString onlyHeader = lonely.filePath(u"HD.dat"_s);
    QFile header(onlyHeader);
    ASSERT_TRUE(header.open(QIODevice::WriteOnly) && header.write(kHd) == kHd.size());
    header.close();

    const SpecialFile fifo(SpecialKind::Fifo, files.path(u"fifo.zip"_s), 0);

    const struct {
        QString path;
        const char *reason;
    } cases[] = {
        {files.path(u"nohd.zip"_s), "nohd.zip holds no HD.dat"},
        {files.path(u"noam.zip"_s), "noam.zip holds no AM.dat"},
        {files.path(u"text.zip"_s), "text.zip is not a zip file, or is cut off"},
        {files.path(u"cut.zip"_s), "cut.zip is not a zip file, or is cut off"},
        {files.path(u"damaged.zip"_s), "damaged.zip: HD.dat is damaged: its checksum does not match"},
        {files.path(u"notes.txt"_s), "notes.txt is neither the FCC's l_amat.zip nor the HD.dat"},
        {onlyHeader, "There is no AM.dat beside HD.dat"},
        {files.path(u"fifo.zip"_s), "fifo.zip is not a regular file (a FIFO)"},
        {files.path(u"missing.zip"_s), "No such file or directory"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        const FccReading reading = readFccLicences(c.path, kWanted);
        EXPECT_TRUE(reading.outcome.failed());
        EXPECT_EQ(reading.outcome.file, c.path);
        EXPECT_TRUE(reading.outcome.reason.startsWith(QString::fromUtf8(c.reason)))
            << reading.outcome.reason.toStdString();
        EXPECT_TRUE(reading.licences.empty());
    }
}

TEST(FccLicenceFile, AMemberInflatingPastTheLimitIsRefusedHoweverItsSizeIsGiven)
{
    TempRoll files;
    writeZip(files.path(u"l_amat.zip"_s), {{"AM.dat", kAm}, {"HD.dat", kHd}});
    files.write(u"HD.dat"_s, kHd);
    files.write(u"AM.dat"_s, kAm);
    // Over the limit by one byte.
    const qint64 limit = kAm.size() - 1;
    EXPECT_EQ(readFccLicences(files.path(u"l_amat.zip"_s), kWanted, {}, limit).outcome.reason,
              u"l_amat.zip holds AM.dat, which would inflate to more than %1 bytes"_s.arg(limit));
    // An extracted file has no size of its own to trust before it is read.
    EXPECT_EQ(readFccLicences(files.path(u"HD.dat"_s), kWanted, {}, limit).outcome.reason,
              u"AM.dat is larger than %1 bytes"_s.arg(limit));
}

TEST(FccLicenceFile, CancellingStopsTheReadingWithNothingRead)
{
    TempRoll files;
    writeZip(files.path(u"l_amat.zip"_s), {{"AM.dat", kAm}, {"HD.dat", kHd}});
    qint64 last = 0, total = 0;
    int calls = 0;
    const FccReading whole = readFccLicences(files.path(u"l_amat.zip"_s), kWanted,
                                             [&](qint64 done, qint64 of) {
                                                 ++calls;
                                                 last = done;
                                                 total = of;
                                                 return true;
                                             });
    EXPECT_TRUE(whole.outcome.ok());
    EXPECT_EQ(last, kAm.size() + kHd.size());
    EXPECT_EQ(total, last);
    EXPECT_EQ(calls, 2);

    const FccReading cancelled =
        readFccLicences(files.path(u"l_amat.zip"_s), kWanted, [](qint64, qint64) { return false; });
    EXPECT_EQ(cancelled.outcome.status, Outcome::Status::Refused);
    EXPECT_TRUE(cancelled.licences.empty());
}

} // namespace
} // namespace tessaly::testing
