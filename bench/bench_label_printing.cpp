#include "labels/label_plan.h"
#include "labels/label_printing.h"
#include "platform/qt_printer.h"

#include "bench_desktop.h"
#include "bench_roll.h"

#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <numeric>

namespace tessaly {
namespace {

// Every member of the roll on the usual 10 x 3 sheet: 334 pages for a full roll.
LabelPlan wholeRollPlan(const benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    std::vector<int> listed(static_cast<std::size_t>(store.count()));
    std::iota(listed.begin(), listed.end(), 1);
    return planLabels(store, listed, LabelLayout{}, 1, 1);
}

// "&Print" on a system without a printer: the whole roll drawn into Labels.pdf and the
// file put in place.
void BM_LabelPrintingWholeRollToPdf(benchmark::State &state)
{
    const LabelPlan plan = wholeRollPlan(state);
    QTemporaryDir folder;
    QtPrinter printer(folder.path(), QtPrinter::Destination::PdfFile);
    for (auto _ : state) {
        const Outcome outcome = printLabels(printer, plan, QStringLiteral("DejaVu Sans"), 10);
        if (!outcome.ok())
            state.SkipWithError("the labels PDF could not be written");
    }
    state.counters["pages"] = plan.pages;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(plan.labels.size()));
}
BENCHMARK(BM_LabelPrintingWholeRollToPdf)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// "Pre&view" of the whole roll: every page drawn for the preview, the sheet outlined.
void BM_LabelPreviewWholeRoll(benchmark::State &state)
{
    const LabelPlan plan = wholeRollPlan(state);
    const std::vector<QRectF> cells = sheetCells(LabelLayout{}, {2.75, 1});
    QTemporaryDir folder;
    QtPrinter printer(folder.path(), QtPrinter::Destination::PdfFile);
    for (auto _ : state) {
        QWidget owner;
        const QWidget *pages = printer.previewPages(
            [&](Printer &preview) {
                return printLabels(preview, plan, QStringLiteral("DejaVu Sans"), 10, cells).ok();
            },
            &owner);
        if (pages == nullptr)
            state.SkipWithError("the preview could not be drawn");
    }
    state.counters["pages"] = plan.pages;
}
BENCHMARK(BM_LabelPreviewWholeRoll)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// The walk over the plan alone, on a printer that draws nothing.
void BM_LabelPrintingWholeRollWalk(benchmark::State &state)
{
    const LabelPlan plan = wholeRollPlan(state);
    QuietPrinter printer;
    for (auto _ : state)
        benchmark::DoNotOptimize(printLabels(printer, plan, printer.family, 10).status);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(plan.labels.size()));
}
BENCHMARK(BM_LabelPrintingWholeRollWalk)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
