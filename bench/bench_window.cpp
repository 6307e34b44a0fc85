#include "core/club_data_codec.h"
#include "core/club_data_file.h"
#include "main_window/main_window.h"
#include "platform/platform.h"
#include "roll/roll_session.h"

#include "bench_desktop.h"
#include "bench_roll.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>

#include <malloc.h>

namespace tessaly {
namespace {

struct WindowUnderLoad : UnderLoad<MainWindow> {
    explicit WindowUnderLoad(int members) : UnderLoad(members) {}
};


// One keystroke in the search box: the text changes, the roll is searched and the
// list is filled and painted again.
void BM_WindowSearchKeystroke(benchmark::State &state)
{
    WindowUnderLoad w(rollSize(state));
    QLineEdit *search = w.control<QLineEdit>("Text11");
    search->setFocus();
    const QString texts[] = {QStringLiteral("s"), QStringLiteral("sm"), QStringLiteral("smi"),
                             QStringLiteral("sm")};
    std::size_t i = 0;
    for (auto _ : state) {
        search->setText(texts[i++ % 4]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowSearchKeystroke)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// Add: the boxes are read, the roll is sorted and saved, the boxes cleared and
// every member listed again. A full roll starts short of the add limit, so that
// every add is taken.
void BM_WindowAddMember(benchmark::State &state)
{
    WindowUnderLoad w(std::min(rollSize(state), RollSession::kAddLimit - 400));
    QLineEdit *last = w.control<QLineEdit>("Text3");
    QLineEdit *first = w.control<QLineEdit>("Text1");
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        last->setText(QStringLiteral("Miller%1").arg(n++));
        first->setText(QStringLiteral("Ann"));
        state.ResumeTiming();
        w.click("Command1");
    }
    if (w.desktop.messages != 0)
        state.SkipWithError("a message box came up");
}
BENCHMARK(BM_WindowAddMember)
    ->Apply(atRollSizes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// Undo of an add: the roll before it is put back, saved, and every member listed again.
void BM_WindowUndoAdd(benchmark::State &state)
{
    WindowUnderLoad w(std::min(rollSize(state), RollSession::kAddLimit - 1));
    QLineEdit *last = w.control<QLineEdit>("Text3");
    QAction *undo = w.window->findChild<QAction *>(QStringLiteral("mnuUndo"));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        last->setText(QStringLiteral("Miller%1").arg(n++));
        w.click("Command1");
        state.ResumeTiming();
        undo->trigger();
        QApplication::processEvents();
    }
    if (w.desktop.messages != 0 || w.roll->undoDepth() != 0)
        state.SkipWithError("a message box came up, or an add was not undone");
}
BENCHMARK(BM_WindowUndoAdd)->Apply(atRollSizes)->Unit(benchmark::kMillisecond)->Iterations(200);

// What 20 changes held for Undo take beyond the roll: a member recorded so that it moves, and
// every dues flag reset, by turns (Linux's resident memory, trimmed before and after).
void BM_UndoHistoryMemory(benchmark::State &state)
{
    const auto residentBytes = [] {
        malloc_trim(0);
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmRSS:", 0) == 0)
                return std::stod(line.substr(6)) * 1024.0;
        }
        return 0.0;
    };
    for (auto _ : state) {
        QTemporaryDir dir;
        writeRoll(dir.path(), rollSize(state));
        RollSession roll(dir.path());
        roll.load();
        const double before = residentBytes();
        for (int n = 0; n < RollSession::kUndoDepth; ++n) {
            MemberRecord moved = roll.member((n * 37) % roll.count() + 1);
            moved[Field::LastName] = QStringLiteral("Zimmer%1").arg(n);
            if (!(n % 2 ? roll.resetDues() : roll.update((n * 37) % roll.count() + 1, moved)).ok())
                state.SkipWithError("a change was not saved");
        }
        state.counters["held_MB"] = (residentBytes() - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_UndoHistoryMemory)->Apply(atRollSizes)->Unit(benchmark::kMillisecond)->Iterations(1);

// Record: a listed member is selected, renamed so that it moves, and stored.
void BM_WindowUpdateMember(benchmark::State &state)
{
    WindowUnderLoad w(std::min(rollSize(state), RollSession::kAddLimit));
    QListView *list = w.control<QListView>("List1");
    QLineEdit *last = w.control<QLineEdit>("Text3");
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QModelIndex row = list->model()->index((n * 37) % w.roll->count(), 0);
        list->setCurrentIndex(row);
        last->setText(QStringLiteral("Zimmer%1").arg(n++));
        state.ResumeTiming();
        w.click("Command1");
    }
    if (w.desktop.messages != 0)
        state.SkipWithError("a message box came up");
}
BENCHMARK(BM_WindowUpdateMember)
    ->Apply(atRollSizes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

void BM_WindowCopyListToClipboard(benchmark::State &state)
{
    WindowUnderLoad w(rollSize(state));
    for (auto _ : state)
        w.click("Command8");
    state.counters["bytes"] = static_cast<double>(w.desktop.clipboard.size());
}
BENCHMARK(BM_WindowCopyListToClipboard)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_WindowWriteAddressFile(benchmark::State &state)
{
    WindowUnderLoad w(rollSize(state));
    for (auto _ : state)
        w.click("Command6");
    if (w.desktop.messages != 0)
        state.SkipWithError("a message box came up");
}
BENCHMARK(BM_WindowWriteAddressFile)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// "Use This List" in the Queries window, its lines sorted by Joined: the window closes and the
// main window lists them in their order, with the line that says so, and is painted. Opening
// the Queries window and the sort are not timed.
void BM_WindowUseThisList(benchmark::State &state)
{
    WindowUnderLoad w(rollSize(state));
    QAction *queries = w.window->findChild<QAction *>(QStringLiteral("mnuFunctions"));
    for (auto _ : state) {
        state.PauseTiming();
        QTimer::singleShot(0, [&state] {
            QWidget *report = QApplication::activeModalWidget();
            emit report->findChild<QTreeView *>()->header()->sectionClicked(10);
            QApplication::processEvents();
            state.ResumeTiming();
            report->findChild<QPushButton *>(QStringLiteral("Command5"))->click();
        });
        queries->trigger();
        QApplication::processEvents();
    }
    state.counters["listed"] = w.control<QListView>("List1")->model()->rowCount();
}
BENCHMARK(BM_WindowUseThisList)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// Start-up inside the process: fit, load the roll and list it.
void BM_WindowStartUp(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoll(dir.path(), rollSize(state));
    for (auto _ : state) {
        QuietDesktop desktop;
        RollSession roll(dir.path(), rollSaveContext(desktop.platform));
        MainWindow window(roll, roll.load(), desktop.platform);
        benchmark::DoNotOptimize(roll.count());
    }
}
BENCHMARK(BM_WindowStartUp)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessaly
