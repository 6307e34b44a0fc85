#include "label_window/label_window.h"
#include "qt_platform/qt_printer.h"
#include "roll/roll_session.h"

#include "bench_desktop.h"
#include "bench_roll.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <numeric>

namespace tessaly {
namespace {

// Opening the label window with every member of the roll listed: scaling to the
// screen, the printer's whole font list, labelrcp.dat, shown and painted.
void BM_LabelWindowOpen(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoll(dir.path(), rollSize(state));
    RollSession roll(dir.path());
    roll.load();
    std::vector<int> listed(static_cast<std::size_t>(roll.count()));
    std::iota(listed.begin(), listed.end(), 1);
    QuietDesktop desktop;
    QtPrinter printer(dir.path(), QtPrinter::Destination::PdfFile);
    Platform platform{desktop, desktop, desktop, desktop, printer, desktop};
    for (auto _ : state) {
        LabelWindow window(roll, listed, platform);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LabelWindowOpen)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
