#include "core/whole_file.h"

#include "core/club_data_file.h"

#include "file_records.h"
#include "special_files.h"
#include "temp_roll.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace tessaly {
namespace {

using namespace Qt::StringLiterals;
using testing::SpecialFile;
static const QString &kRoll = ClubDataFile::kFileName;

// Only a regular file is read, and only up to the limit; everything else is turned down at
// once, unread, with the file's name and the reason, and costs no memory to speak of. A roll
// so refused is never replaced: the next save fails and leaves the FIFO, the link or the too
// large file where it was, with no backup or temporary beside it.
TEST(ReadWholeFile, ReadsOnlyARegularFileWithinItsLimitAndNeverReplacesAnother)
{
    const long peakBefore = testing::peakMemoryKb();
    for (const testing::SpecialCase &c : testing::specialCases()) {
        SCOPED_TRACE(c.shape);
        testing::TempRoll roll;
        const SpecialFile special(c.kind, roll.path(kRoll), ClubDataFile::kLargestFileBytes);
        const testing::HangGuard guard(20);
        const QString reason = u"AddrClub.dat "_s + special.reason(u"64 MB"_s);
        QByteArray bytes = "left from before";
        ReadRefusal refusal = ReadRefusal::None;
        const Outcome read =
            readWholeFile(roll.path(kRoll), bytes, ClubDataFile::kLargestFileBytes, &refusal);
        EXPECT_EQ(std::tuple(read.failed(), read.file, read.reason, bytes),
                  std::tuple(true, roll.path(kRoll), reason, QByteArray()));
        EXPECT_EQ(refusal, reason.endsWith(u"64 MB"_s) ? ReadRefusal::TooLarge
                                                       : ReadRefusal::NotRegularFile);

        struct stat before {};
        ASSERT_EQ(::lstat(QFile::encodeName(roll.path(kRoll)).constData(), &before), 0);
        const auto entries = [&] {
            return QDir(roll.dir())
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        };
        const QStringList files = entries();
        ClubDataFile file(roll.dir());
        MemberStore store;
        EXPECT_EQ(std::pair(file.load(store).outcome.reason, store.count()), std::pair(reason, 0));
        store.append(MemberRecord{});
        const Outcome saved = file.save(store, QDate(2026, 12, 6));
        EXPECT_TRUE(saved.failed() && saved.reason.endsWith(u'(' + reason + u')'))
            << saved.reason.toStdString();
        struct stat after {};
        ASSERT_EQ(::lstat(QFile::encodeName(roll.path(kRoll)).constData(), &after), 0);
        EXPECT_EQ(
            std::tuple(after.st_ino, after.st_mode, after.st_size, after.st_mtim.tv_nsec),
            std::tuple(before.st_ino, before.st_mode, before.st_size, before.st_mtim.tv_nsec));
        EXPECT_EQ(entries(), files);
    }
    // Not a byte of the gigabyte or of /dev/zero was held.
    EXPECT_LT(testing::peakMemoryKb() - peakBefore, 32 * 1024);
}

// A file exactly at the limit is read whole; a missing one fails with the system's reason.
TEST(ReadWholeFile, ReadsAFileAtItsLimitWhole)
{
    testing::TempRoll roll;
    const QByteArray roll100 = testing::fileRecord({"K1A"}).leftJustified(100, 'x');
    roll.write(kRoll, roll100);
    QByteArray bytes;
    ReadRefusal refusal = ReadRefusal::TooLarge;
    EXPECT_TRUE(readWholeFile(roll.path(kRoll), bytes, 100, &refusal).ok());
    EXPECT_EQ(std::pair(bytes, refusal), std::pair(roll100, ReadRefusal::None));
    const Outcome missing = readWholeFile(roll.path(u"none.dat"_s), bytes, 100);
    EXPECT_EQ(std::pair(missing.failed(), missing.reason),
              std::pair(true, u"No such file or directory"_s));
}

// A file that says it is empty yet holds more, as those under /proc do, is only read up to
// the limit: the same stop that catches a file growing while it is read.
TEST(ReadWholeFile, StopsAFileThatHoldsMoreThanItsSizeSaidAtTheLimit)
{
    const QString status = u"/proc/self/status"_s;
    ASSERT_EQ(QFileInfo(status).size(), 0);
    QByteArray bytes;
    ReadRefusal refusal = ReadRefusal::None;
    const Outcome read = readWholeFile(status, bytes, 64, &refusal);
    EXPECT_EQ(std::tuple(read.reason, refusal, bytes),
              std::tuple(u"status is larger than 64 bytes"_s, ReadRefusal::TooLarge, QByteArray()));
    ASSERT_TRUE(readWholeFile(status, bytes, 64 * 1024).ok());
    EXPECT_TRUE(bytes.startsWith("Name:"));
}

} // namespace
} // namespace tessaly
