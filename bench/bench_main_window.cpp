#include "roll/address_file.h"
#include "roll/address_texts.h"
#include "roll/member_search.h"

#include "bench_roll.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Generated once per size: the searches run many times over the same roll.
const MemberStore &roll(const benchmark::State &state)
{
    static std::map<int, MemberStore> rolls;
    const int members = rollSize(state);
    auto it = rolls.find(members);
    if (it == rolls.end())
        it = rolls.emplace(members, generatedRoll(members)).first;
    return it->second;
}

std::vector<int> everyone(const MemberStore &store)
{
    std::vector<int> all(static_cast<std::size_t>(store.count()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i) + 1;
    return all;
}

void searchFor(benchmark::State &state, const QString &text)
{
    const MemberStore &store = roll(state);
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
BENCHMARK(BM_SearchOneLetter)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SearchThreeLetters(benchmark::State &state)
{
    searchFor(state, u"mil"_s);
}
BENCHMARK(BM_SearchThreeLetters)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SearchNoMatch(benchmark::State &state)
{
    searchFor(state, u"zq#"_s);
}
BENCHMARK(BM_SearchNoMatch)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_VotingMembers(benchmark::State &state)
{
    const MemberStore &store = roll(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(votingMembers(store).data());
}
BENCHMARK(BM_VotingMembers)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_ListExportTable(benchmark::State &state)
{
    const MemberStore &store = roll(state);
    const std::vector<int> listed = everyone(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(listExportTable(store, listed).constData());
}
BENCHMARK(BM_ListExportTable)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_AddressFileText(benchmark::State &state)
{
    const MemberStore &store = roll(state);
    const std::vector<int> listed = everyone(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(addressFileText(store, listed).constData());
}
BENCHMARK(BM_AddressFileText)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_WriteAddressFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString text = addressFileText(roll(state), everyone(roll(state)));
    for (auto _ : state) {
        if (!writeAddressFile(dir.path(), text).ok()) {
            state.SkipWithError("Address.txt could not be written");
            break;
        }
    }
}
BENCHMARK(BM_WriteAddressFile)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
