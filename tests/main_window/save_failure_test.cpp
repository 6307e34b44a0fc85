#include "core/club_data_file.h"
#include "core/member_store.h"

#include "temp_roll.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace tessaly::testing {
namespace {

// Caps the size of any file this process writes, which holds even for root; a
// write past the cap fails with EFBIG instead of raising SIGXFSZ.
class FileSizeCap {
  public:
    explicit FileSizeCap(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = saved_;
        capped.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeCap()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

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
