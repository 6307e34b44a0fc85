#include "core/club_data_codec.h"
#include "core/club_data_file.h"
#include "core/member_store.h"
#include "core/text_codec.h"

#include "bench_roll.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace tessaly {
namespace {


void BM_ParseClubData(benchmark::State &state)
{
    const QByteArray bytes = serializeClubData(generatedRoll(rollSize(state)));
    for (auto _ : state) {
        MemberStore store;
        loadClubData(bytes, store);
        benchmark::DoNotOptimize(store.count());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ParseClubData)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SerializeClubData(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = serializeClubData(store);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_SerializeClubData)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_EncodeWholeRoll(benchmark::State &state)
{
    const QString text = decodeWindows1252(serializeClubData(generatedRoll(rollSize(state))));
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeWindows1252(text).size());
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_EncodeWholeRoll)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// The roll's first sorting procedure, kept here only as the yardstick for sortMembers:
// for each position the key of the record there is built, the later records' keys are
// built and compared with it one by one, without regard to letter case, and the first
// smaller one is swapped in and the position examined again.
void quadraticSort(MemberStore &store)
{
    const int count = store.count();
    int i = 1;
    while (i <= count) {
        const QString key = memberSortKey(store.record(i));
        int smaller = 0;
        for (int j = i; j <= count && smaller == 0; ++j) {
            if (memberSortKey(store.record(j)).compare(key, Qt::CaseInsensitive) < 0)
                smaller = j;
        }
        if (smaller == 0)
            ++i;
        else
            std::swap(store.record(i), store.record(smaller));
    }
}

// The same procedure with every key built and folded once beforehand, as sortMembers
// does: what is left of the difference is the procedure's own.
void quadraticSortFoldedKeys(MemberStore &store)
{
    const int count = store.count();
    std::vector<QString> keys(static_cast<std::size_t>(count) + 1);
    for (int n = 1; n <= count; ++n)
        keys[static_cast<std::size_t>(n)] = memberSortKey(store.record(n)).toCaseFolded();
    const auto key = [&keys](int n) { return QStringView(keys[static_cast<std::size_t>(n)]); };
    int i = 1;
    while (i <= count) {
        int smaller = 0;
        for (int j = i; j <= count && smaller == 0; ++j) {
            if (key(j).compare(key(i), Qt::CaseSensitive) < 0)
                smaller = j;
        }
        if (smaller == 0) {
            ++i;
            continue;
        }
        std::swap(store.record(i), store.record(smaller));
        std::swap(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(smaller)]);
    }
}

bool inKeyOrder(const MemberStore &store)
{
    for (int n = 2; n <= store.count(); ++n) {
        if (memberSortKey(store.record(n - 1))
                .compare(memberSortKey(store.record(n)), Qt::CaseInsensitive) > 0)
            return false;
    }
    return true;
}

// What every add and update does: the roll is in order but for one record.
template <typename Sort> void sortOneOutOfPlace(benchmark::State &state, Sort sort)
{
    MemberStore store = generatedRoll(rollSize(state));
    const QString early = QStringLiteral("Aardvark");
    const QString late = QStringLiteral("Zywicki");
    bool toEnd = true;
    for (auto _ : state) {
        // The record that the previous sort put first (or last) now belongs at the
        // other end, so each sort moves one record across the whole roll.
        const int n = toEnd ? 1 : store.count();
        store.setField(n, Field::LastName, toEnd ? late : early);
        sort(store);
        toEnd = !toEnd;
    }
    if (!inKeyOrder(store))
        state.SkipWithError("the roll is not in order after the sort");
}

void BM_SortMembersOneOutOfPlace(benchmark::State &state)
{
    sortOneOutOfPlace(state, [](MemberStore &store) {
        benchmark::DoNotOptimize(store.sortMembers().size());
    });
}
BENCHMARK(BM_SortMembersOneOutOfPlace)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SortQuadraticOneOutOfPlace(benchmark::State &state)
{
    sortOneOutOfPlace(state, quadraticSort);
}
BENCHMARK(BM_SortQuadraticOneOutOfPlace)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SortQuadraticFoldedKeysOneOutOfPlace(benchmark::State &state)
{
    sortOneOutOfPlace(state, quadraticSortFoldedKeys);
}
BENCHMARK(BM_SortQuadraticFoldedKeysOneOutOfPlace)
    ->Apply(atRollSizes)
    ->Unit(benchmark::kMillisecond);

void BM_SaveRoll(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    ClubDataFile file(dir.path());
    const MemberStore store = generatedRoll(rollSize(state));
    for (auto _ : state) {
        if (!file.save(store).ok()) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveRoll)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_LoadRoll(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    ClubDataFile file(dir.path());
    if (!file.save(generatedRoll(rollSize(state))).ok()) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        MemberStore store;
        benchmark::DoNotOptimize(file.load(store).loaded);
    }
}
BENCHMARK(BM_LoadRoll)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
