#include "core/file_system.h"
#include "export_rules/email_addresses.h"
#include "export_rules/member_csv.h"
#include "export_rules/member_directory.h"
#include "qt_platform/qt_printer.h"

#include "bench_roll.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <numeric>

namespace tessaly {
namespace {

std::vector<int> everyone(const MemberStore &store)
{
    std::vector<int> records(static_cast<std::size_t>(store.count()));
    std::iota(records.begin(), records.end(), 1);
    return records;
}

// "Export Listed Members...": the spreadsheet of every listed member built and written whole.
void BM_ExportListedMembers(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    const std::vector<int> records = everyone(store);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Members.csv"));
    for (auto _ : state) {
        if (!writeWholeFile(path, membersCsv(store, records)).ok())
            state.SkipWithError("Members.csv could not be written");
    }
}
BENCHMARK(BM_ExportListedMembers)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// "Copy E-mail Addresses": every listed member's addresses split, each kept once.
void BM_CopyEmailAddresses(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    const std::vector<int> records = everyone(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(bccLine(emailAddresses(store, records)));
}
BENCHMARK(BM_CopyEmailAddresses)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// "Print Member Directory..." without a printer: planned, drawn into Directory.pdf, written.
void BM_MemberDirectoryToPdf(benchmark::State &state)
{
    const MemberStore store = generatedRoll(rollSize(state));
    const std::vector<int> records = everyone(store);
    QTemporaryDir folder;
    QtPrinter printer(folder.path(), QtPrinter::Destination::PdfFile);
    const QPageSize letter(QPageSize::Letter);
    const DirectoryPaper paper{letter, printer.pageArea(letter), QStringLiteral("12/6/2026")};
    int pages = 0;
    for (auto _ : state) {
        const DirectoryPlan plan =
            planDirectory(store, records, directoryMeasures(paper.area.paper));
        pages = plan.pages;
        if (printer.print(directoryDocument(plan, paper)).fate != PrintResult::Fate::Saved)
            state.SkipWithError("Directory.pdf could not be written");
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_MemberDirectoryToPdf)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
