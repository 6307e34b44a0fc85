#include "core/club_data_codec.h"
#include "core/club_data_file.h"
#include "core/member_store.h"
#include "core/text_codec.h"

#include "bench_roll.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tessaly {
namespace {

constexpr int kMembers = MemberStore::kCapacity;

void BM_ParseClubData(benchmark::State &state)
{
    const QByteArray bytes = serializeClubData(generatedRoll(kMembers));
    for (auto _ : state) {
        MemberStore store;
        parseClubData(bytes, MemberStore::kCapacity,
                      [&store](MemberRecord &&r) { store.append(std::move(r)); });
        benchmark::DoNotOptimize(store.count());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseClubData)->Unit(benchmark::kMillisecond);

void BM_SerializeClubData(benchmark::State &state)
{
    const MemberStore store = generatedRoll(kMembers);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = serializeClubData(store);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_SerializeClubData)->Unit(benchmark::kMillisecond);

void BM_EncodeWholeRoll(benchmark::State &state)
{
    const QString text = decodeWindows1252(serializeClubData(generatedRoll(kMembers)));
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeWindows1252(text).size());
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_EncodeWholeRoll)->Unit(benchmark::kMillisecond);

// What every add and update does: the roll is in order but for one record.
void BM_SortMembersOneOutOfPlace(benchmark::State &state)
{
    MemberStore store = generatedRoll(kMembers);
    const QString early = QStringLiteral("Aardvark");
    const QString late = QStringLiteral("Zywicki");
    bool toEnd = true;
    for (auto _ : state) {
        // The record that the previous sort put first (or last) now belongs at the
        // other end, so each sort moves one record across the whole roll.
        const int n = toEnd ? 1 : store.count();
        store.setField(n, Field::LastName, toEnd ? late : early);
        benchmark::DoNotOptimize(store.sortMembers().size());
        toEnd = !toEnd;
    }
}
BENCHMARK(BM_SortMembersOneOutOfPlace)->Unit(benchmark::kMillisecond);

void BM_SaveRoll(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    ClubDataFile file(dir.path());
    const MemberStore store = generatedRoll(kMembers);
    for (auto _ : state) {
        if (!file.save(store).ok()) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveRoll)->Unit(benchmark::kMillisecond);

void BM_LoadRoll(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    ClubDataFile file(dir.path());
    if (!file.save(generatedRoll(kMembers)).ok()) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        MemberStore store;
        benchmark::DoNotOptimize(file.load(store).loaded);
    }
}
BENCHMARK(BM_LoadRoll)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
