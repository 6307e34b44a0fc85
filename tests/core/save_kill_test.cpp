#include "core/club_data_codec.h"
#include "core/club_data_file.h"
#include "core/whole_file.h"

#include "temp_roll.h"

#include <gtest/gtest.h>

#include <QDir>

#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tessaly {
namespace {

using namespace Qt::StringLiterals;

MemberStore tenThousand()
{
    MemberStore store;
    for (int i = 1; i <= MemberStore::kCapacity; ++i) {
        MemberRecord r;
        r[Field::Call] = u"K%1ABC"_s.arg(i);
        r[Field::FirstName] = u"Ann"_s;
        r[Field::LastName] = u"Lastname%1"_s.arg(i, 5, 10, QChar(u'0'));
        r[Field::Address] = i % 7 ? u"%1 Main St"_s.arg(i) : u"%1 Elm\r\nApt 4"_s.arg(i);
        r[Field::City] = u"Springfield"_s;
        store.append(r);
    }
    return store;
}

// Save number n of the child: member 1 says which.
void mark(MemberStore &store, int n)
{
    store.setField(1, Field::Other, u"save %1"_s.arg(n));
}

// A process saving a roll of 10,000 over and over is killed at random moments. Each time the
// file is whole: the original or exactly one of the rolls saved; the next start-up leaves no
// temporary file behind.
TEST(SaveUnderKill, TheRollIsAlwaysOneOfTheRollsSavedAndNoTemporarySurvives)
{
    testing::TempRoll roll;
    MemberStore store = tenThousand();
    const QByteArray original = serializeClubData(store);
    roll.write(ClubDataFile::kFileName, original);
    const QByteArray rest = original.mid(serializeRecord(store.record(1)).size());

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 40000);
    constexpr int kKills = 120;
    int whole = 0, saved = 0, leftovers = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ClubDataFile file(roll.dir());
            for (int n = 1;; ++n) {
                mark(store, n);
                file.save(store);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        // Only member 1 differs between the rolls saved, so the rest is the original's.
        const QByteArray bytes = roll.read(ClubDataFile::kFileName);
        QString savedAs;
        parseClubData(bytes, 1, [&](MemberRecord &&r) { savedAs = r[Field::Other]; });
        QByteArray expected = original;
        if (!savedAs.isEmpty()) {
            mark(store, savedAs.mid(5).toInt());
            expected = serializeRecord(store.record(1)) + rest;
            ++saved;
        }
        whole += bytes == expected;
        EXPECT_EQ(bytes.size(), expected.size()) << "kill " << kill << ", seed " << seed;

        leftovers += removeLeftoverTemporaries(roll.dir());
        EXPECT_EQ(QDir(roll.dir()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{ClubDataFile::kFileName});
    }
    EXPECT_EQ(whole, kKills) << "seed " << seed;
    std::cout << "[ kills    ] " << kKills << " kills, " << whole << " files whole (" << saved
              << " a saved roll), " << leftovers << " temporaries removed\n";
}

} // namespace
} // namespace tessaly
