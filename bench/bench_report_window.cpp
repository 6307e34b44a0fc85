#include "report_rules/report_model.h"
#include "report_window/report_window.h"
#include "roll/roll_session.h"

#include "bench_desktop.h"
#include "bench_roll.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>

namespace tessaly {
namespace {


struct ReportUnderLoad : UnderLoad<ReportWindow> {
    explicit ReportUnderLoad(const benchmark::State &state) : UnderLoad(rollSize(state)) {}
};

// Opening: fit, columns, one line per member, the figures, shown and painted.
void BM_ReportWindowOpen(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoll(dir.path(), rollSize(state));
    RollSession roll(dir.path());
    roll.load();
    QuietDesktop desktop;
    for (auto _ : state) {
        ReportWindow window(roll, desktop.platform);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.report().rowCount());
    }
}
BENCHMARK(BM_ReportWindowOpen)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// A click on a title: Last and Joined in turn, so that every sort has work to do.
void BM_ReportWindowColumnSort(benchmark::State &state)
{
    ReportUnderLoad r(state);
    QHeaderView *header = r.control<QTreeView>("ListView1")->header();
    int i = 0;
    for (auto _ : state) {
        emit header->sectionClicked(i++ % 2 ? 3 : 10);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ReportWindowColumnSort)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_ReportWindowCopy(benchmark::State &state)
{
    ReportUnderLoad r(state);
    for (auto _ : state)
        r.click("Command4");
    benchmark::DoNotOptimize(r.desktop.clipboard.size());
}
BENCHMARK(BM_ReportWindowCopy)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// The expiration query, alternating between two dates so that the lines change.
void BM_ReportWindowQuery(benchmark::State &state)
{
    ReportUnderLoad r(state);
    QLineEdit *date = r.control<QLineEdit>("Text1");
    int i = 0;
    for (auto _ : state) {
        date->setText(i++ % 2 ? QStringLiteral("1/1/2027") : QStringLiteral("6/1/2026"));
        r.click("Command1");
    }
}
BENCHMARK(BM_ReportWindowQuery)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// The dues reset answered Yes: every flag, the whole roll saved, every line listed again.
void BM_ReportWindowDuesReset(benchmark::State &state)
{
    ReportUnderLoad r(state);
    r.desktop.answer = Answer::Yes;
    for (auto _ : state)
        r.click("Command3");
    if (r.desktop.messages != 0)
        state.SkipWithError("a message box came up");
}
BENCHMARK(BM_ReportWindowDuesReset)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
