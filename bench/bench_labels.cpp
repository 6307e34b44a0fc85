#include "label_rules/label_plan.h"
#include "label_rules/label_settings.h"

#include "bench_roll.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace tessaly {
namespace {


// "&Print" with every member listed: which member goes where, with which lines. The
// printer's own work is not in it.
void BM_LabelPlanWholeRoll(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    std::vector<int> listed(static_cast<std::size_t>(store.count()));
    std::iota(listed.begin(), listed.end(), 1);
    const LabelLayout layout;
    for (auto _ : state) {
        const LabelPlan plan = planLabels(store, listed, layout, 1, 1);
        benchmark::DoNotOptimize(plan.labels.data());
    }
    state.SetItemsProcessed(state.iterations() * store.count());
}
BENCHMARK(BM_LabelPlanWholeRoll)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// The same with one label per household, where every third member lives with the one before
// and every member's address is looked up among the households listed so far.
void BM_LabelPlanHouseholds(benchmark::State &state)
{
    MemberStore store = generatedRoll(rollSize(state));
    for (int n = 3; n <= store.count(); n += 3) {
        for (const Field part : {Field::Address, Field::City, Field::State, Field::Zip})
            store.setField(n, part, store.field(n - 1, part).toUpper());
    }
    std::vector<int> listed(static_cast<std::size_t>(store.count()));
    std::iota(listed.begin(), listed.end(), 1);
    const LabelLayout layout;
    for (auto _ : state) {
        const LabelPlan plan =
            planLabels(store, listed, layout, 1, 1, LabelGrouping::PerHousehold);
        benchmark::DoNotOptimize(plan.labels.data());
    }
    state.SetItemsProcessed(state.iterations() * store.count());
}
BENCHMARK(BM_LabelPlanHouseholds)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_LabelSettingsLineRoundTrip(benchmark::State &state)
{
    const LabelLayout layout;
    for (auto _ : state) {
        const std::optional<LabelLayout> read = parseLabelSettings(labelSettingsLine(layout));
        benchmark::DoNotOptimize(read->fontSize);
    }
}
BENCHMARK(BM_LabelSettingsLineRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tessaly
