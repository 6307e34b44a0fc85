#include "label_rules/label_page.h"
#include "label_rules/label_plan.h"
#include "qt_platform/qt_printer.h"

#include "bench_roll.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

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
    const LabelLettering lettering{QStringLiteral("DejaVu Sans"), 10, {}};
    QTemporaryDir folder;
    QtPrinter printer(folder.path(), QtPrinter::Destination::PdfFile);
    for (auto _ : state) {
        if (printer.print(labelDocument(plan, lettering, Paper::Letter)).fate !=
            PrintResult::Fate::Saved)
            state.SkipWithError("the labels PDF could not be written");
    }
    state.counters["pages"] = plan.pages;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(plan.labels.size()));
}
BENCHMARK(BM_LabelPrintingWholeRollToPdf)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// What "Pre&view" paints as it opens: the first page, the sheet outlined, at screen size.
void BM_LabelPreviewFirstPage(benchmark::State &state)
{
    const LabelPlan plan = wholeRollPlan(state);
    const LabelLettering lettering{QStringLiteral("DejaVu Sans"), 10,
                                   sheetCells(LabelLayout{}, Inches::exactly(2.75),
                                              Inches::exactly(1))};
    QImage page(816, 1056, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        paintLabelPage(painter, plan, 1, lettering);
    }
    state.counters["pages"] = plan.pages;
}
BENCHMARK(BM_LabelPreviewFirstPage)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
