#include "core/member_table.h"
#include "report_rules/expiration_query.h"
#include "report_rules/member_statistics.h"
#include "report_rules/report_rows.h"
#include "report_rules/report_sort.h"

#include "bench_roll.h"

#include <QDate>

#include <benchmark/benchmark.h>

namespace tessaly {
namespace {


// What opening the report costs in lines: one row per member.
void BM_ReportBuildAllRows(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    for (auto _ : state) {
        for (int n = 1; n <= store.count(); ++n) {
            const ReportRow row = reportRow(store.record(n));
            benchmark::DoNotOptimize(row.cells.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * store.count());
}
BENCHMARK(BM_ReportBuildAllRows)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// A view asks cell by cell; every cell of the roll once.
void BM_ReportEveryCell(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    for (auto _ : state) {
        for (int n = 1; n <= store.count(); ++n) {
            for (int column = 0; column < kReportColumnCount; ++column)
                benchmark::DoNotOptimize(reportCell(store.record(n), column).size());
        }
    }
    state.SetItemsProcessed(state.iterations() * store.count() * kReportColumnCount);
}
BENCHMARK(BM_ReportEveryCell)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_ReportStatistics(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(memberStatistics(store).arrl);
}
BENCHMARK(BM_ReportStatistics)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// Every generated member's club membership runs out before the query date, so the
// query lists the whole roll.
void BM_ReportExpirationQuery(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    const QDate queryDate(2027, 1, 1);
    const QDate today(2026, 12, 6);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            membersExpiringBefore(store, Field::ClubExpires, queryDate, today).size());
}
BENCHMARK(BM_ReportExpirationQuery)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// Last (already in order), Address (some cells converted) and Joined (scattered).
void BM_ReportSortByColumn(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    const std::vector<int> listed = allMembers(store);
    const int column = static_cast<int>(state.range(1));
    for (auto _ : state) {
        std::vector<int> displayed = listed;
        sortReportByColumn(store, displayed, column);
        benchmark::DoNotOptimize(displayed.data());
    }
}
BENCHMARK(BM_ReportSortByColumn)
    ->ArgNames({"members", "column"})
    ->ArgsProduct({{1000, MemberStore::kCapacity}, {3, 4, 10}})
    ->Unit(benchmark::kMillisecond);

void BM_ReportTableText(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    const std::vector<int> listed = allMembers(store);
    qsizetype size = 0;
    for (auto _ : state) {
        const QString text = memberTableText(store, listed);
        size = text.size();
        benchmark::DoNotOptimize(text.constData());
    }
    state.SetBytesProcessed(state.iterations() * size * static_cast<qsizetype>(sizeof(QChar)));
}
BENCHMARK(BM_ReportTableText)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
