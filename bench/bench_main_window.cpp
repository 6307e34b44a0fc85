#include "roll/address_file.h"
#include "roll/address_texts.h"
#include "roll/member_search.h"

#include "bench_roll.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

constexpr int kMembers = 10000;

const MemberStore &roll()
{
    static const MemberStore store = generatedRoll(kMembers);
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
        if (!writeAddressFile(dir.path(), text).ok()) {
            state.SkipWithError("Address.txt could not be written");
            break;
        }
    }
}
BENCHMARK(BM_WriteAddressFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
