#include "core/club_data_file.h"
#include "core/member_store.h"

#include "file_size_cap.h"
#include "temp_roll.h"

#include <QByteArray>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

TEST(FailedSave, KeepsTheOldFileByteForByte)
{
    TempRoll files;
    const QByteArray old =
        "\"K3ABC\",\"John\",\"\",\"Adams\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
        "\"\",\"\",\"\",\"N\",\"N\",\"N\",\"\"\r\n";
    files.write(ClubDataFile::kFileName, old);
    ClubDataFile dataFile(files.dir());
    MemberStore store;
    ASSERT_TRUE(dataFile.load(store).opened);
    for (int i = 0; i < 200; ++i) {
        MemberRecord record;
        record[Field::LastName] = u"Member %1"_s.arg(i);
        store.append(record);
    }

    SaveResult result;
    {
        FileSizeCap cap(static_cast<rlim_t>(old.size()) + 10);
        result = dataFile.save(store);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(files.read(ClubDataFile::kFileName), old);

    // Once the disk takes it again, the next save writes everything.
    EXPECT_TRUE(dataFile.save(store).ok);
    EXPECT_GT(files.read(ClubDataFile::kFileName).size(), old.size() * 100);
}

} // namespace
} // namespace tessaly::testing
