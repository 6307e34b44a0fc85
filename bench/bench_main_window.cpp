#include "main_window/address_exports.h"
#include "main_window/member_search.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

constexpr int kMembers = 10000;

// A roll of made-up members with field lengths like a real club's: a few two-line
// addresses and notes, dates in every field, flags mixed.
class RollMaker {
  public:
    MemberStore make(int count)
    {
        static const QString first[] = {u"James"_s, u"Mary"_s,  u"Robert"_s,     u"Patricia"_s,
                                        u"John"_s,  u"Linda"_s, u"Michael"_s,    u"Barbara"_s,
                                        u"David"_s, u"Susan"_s, u"Ren\u00e9e"_s, u"Thomas"_s};
        static const QString last[] = {u"Smith"_s,  u"Johnson"_s,  u"Williams"_s, u"Brown"_s,
                                       u"Jones"_s,  u"Garcia"_s,   u"Miller"_s,   u"Davis"_s,
                                       u"Wilson"_s, u"Anderson"_s, u"Taylor"_s,   u"Moore"_s};
        static const QString street[] = {u"Oak St"_s, u"Maple Ave"_s, u"Chestnut Ln"_s,
                                         u"Baltimore Pike"_s, u"Route 352"_s};
        static const QString city[] = {u"Media"_s, u"Springfield"_s, u"Chester"_s,
                                       u"West Chester"_s, u"Wilmington"_s};
        static const QString state[] = {u"PA"_s, u"DE"_s, u"NJ"_s, u"MD"_s};
        static const QString cls[] = {u"Technician"_s, u"General"_s, u"Extra"_s, u""_s};

        MemberStore store;
        for (int i = 0; i < count; ++i) {
            MemberRecord r;
            if (next() % 8 != 0)
                r[Field::Call] = u"K"_s + QChar(u'A' + next() % 26) + QString::number(next() % 10) +
                                 QChar(u'A' + next() % 26) + QChar(u'A' + next() % 26) +
                                 QChar(u'A' + next() % 26);
            r[Field::FirstName] = pick(first);
            if (next() % 2)
                r[Field::MiddleInitial] = QChar(u'A' + next() % 26);
            r[Field::LastName] = pick(last) + QString::number(i);
            r[Field::Address] = QString::number(next() % 9000 + 100) + u' ' + pick(street);
            if (next() % 10 == 0)
                r[Field::Address] += u"\r\nApt "_s + QString::number(next() % 40 + 1);
            r[Field::City] = pick(city);
            r[Field::State] = pick(state);
            r[Field::Zip] = QString::number(19000 + next() % 999);
            r[Field::Phone] = u"610-555-"_s + QString::number(1000 + next() % 9000);
            if (next() % 4 == 0)
                r[Field::Other] = u"golf\r\nchurch choir"_s;
            r[Field::Email] =
                r[Field::FirstName].toLower() + QString::number(i) + u"@example.org"_s;
            r[Field::ClubExpires] = date();
            r[Field::Joined] = date();
            r[Field::LicenseClass] = pick(cls);
            r[Field::LicenseExpires] = date();
            r[Field::ArrlMember] = next() % 2 ? u"Y"_s : u"N"_s;
            r[Field::VotingMember] = next() % 3 ? u"Y"_s : u"N"_s;
            r[Field::DuesPaid] = next() % 2 ? u"Y"_s : u"N"_s;
            r[Field::Dob] = date();
            store.append(std::move(r));
        }
        return store;
    }

  private:
    std::uint32_t next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    template <std::size_t N> const QString &pick(const QString (&items)[N])
    {
        return items[next() % N];
    }
    QString date()
    {
        return QString::number(next() % 12 + 1) + u'/' + QString::number(next() % 28 + 1) + u'/' +
               QString::number(1950 + next() % 80);
    }

    std::uint32_t state_ = 12345;
};

const MemberStore &roll()
{
    static const MemberStore store = RollMaker().make(kMembers);
    return store;
}

std::vector<int> everyone()
{
    std::vector<int> all(static_cast<std::size_t>(roll().count()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i) + 1;
    return all;
}

void searchFor(benchmark::State &state, const QString &text)
{
    const MemberStore &store = roll();
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> listed = searchMembers(store, text);
        found = listed.size();
        benchmark::DoNotOptimize(listed.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_SearchOneLetter(benchmark::State &state)
{
    searchFor(state, u"s"_s);
}
BENCHMARK(BM_SearchOneLetter)->Unit(benchmark::kMillisecond);

void BM_SearchThreeLetters(benchmark::State &state)
{
    searchFor(state, u"mil"_s);
}
BENCHMARK(BM_SearchThreeLetters)->Unit(benchmark::kMillisecond);

void BM_SearchNoMatch(benchmark::State &state)
{
    searchFor(state, u"zq#"_s);
}
BENCHMARK(BM_SearchNoMatch)->Unit(benchmark::kMillisecond);

void BM_VotingMembers(benchmark::State &state)
{
    const MemberStore &store = roll();
    for (auto _ : state)
        benchmark::DoNotOptimize(votingMembers(store).data());
}
BENCHMARK(BM_VotingMembers)->Unit(benchmark::kMillisecond);

void BM_ListExportTable(benchmark::State &state)
{
    const MemberStore &store = roll();
    const std::vector<int> listed = everyone();
    for (auto _ : state)
        benchmark::DoNotOptimize(listExportTable(store, listed).constData());
}
BENCHMARK(BM_ListExportTable)->Unit(benchmark::kMillisecond);

void BM_AddressFileText(benchmark::State &state)
{
    const MemberStore &store = roll();
    const std::vector<int> listed = everyone();
    for (auto _ : state)
        benchmark::DoNotOptimize(addressFileText(store, listed).constData());
}
BENCHMARK(BM_AddressFileText)->Unit(benchmark::kMillisecond);

void BM_WriteAddressFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString text = addressFileText(roll(), everyone());
    for (auto _ : state) {
        if (!writeAddressFile(dir.path(), text).ok) {
            state.SkipWithError("Address.txt could not be written");
            break;
        }
    }
}
BENCHMARK(BM_WriteAddressFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
