#include "bench_desktop.h"
#include "bench_roll.h"

#include "core/member_store.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace tessaly {
namespace {

QProcessEnvironment startUpEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESSALY_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    return environment;
}

// Starts the program in folder and waits for it to end; the wall-clock seconds it took, or a
// negative number, with the benchmark skipped, when it did not end well.
double startOnce(const QString &folder, const QProcessEnvironment &environment,
                 benchmark::State &state)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    program.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(TESSALY_PROGRAM), QStringList());
    if (!program.waitForFinished(10000)) {
        program.kill();
        program.waitForFinished();
        state.SkipWithError("the program did not end after showing its window");
        return -1;
    }
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
        state.SkipWithError("the program failed to start");
        return -1;
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// The whole program as the operator starts it in a roll folder: the process, the
// libraries, the roll loaded and listed, the main window shown and painted, until the
// program ends itself right after that first showing (TESSALY_EXIT_AFTER_SHOW).
void BM_ProgramStartUp(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoll(dir.path(), rollSize(state));
    const QProcessEnvironment environment = startUpEnvironment();
    for (auto _ : state) {
        if (startOnce(dir.path(), environment, state) < 0)
            break;
    }
}
BENCHMARK(BM_ProgramStartUp)->Apply(atRollSizes)->Unit(benchmark::kMillisecond)->UseRealTime();

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What the roll adds to start-up: each iteration starts the program over an empty roll and
// over a full one, one right after the other, so that whatever else the machine is doing
// weighs on both alike. The time is the full roll's; full_over_empty is the median of the
// full starts over the median of the empty ones.
void BM_ProgramStartUpFullAndEmpty(benchmark::State &state)
{
    QTemporaryDir empty, full;
    writeRoll(empty.path(), 0);
    writeRoll(full.path(), rollSize(state));
    const QProcessEnvironment environment = startUpEnvironment();
    std::vector<double> emptyTimes, fullTimes;
    for (auto _ : state) {
        const double emptyTime = startOnce(empty.path(), environment, state);
        const double fullTime = emptyTime < 0 ? -1 : startOnce(full.path(), environment, state);
        if (fullTime < 0)
            break;
        emptyTimes.push_back(emptyTime);
        fullTimes.push_back(fullTime);
        state.SetIterationTime(fullTime);
    }
    if (fullTimes.empty())
        return;
    state.counters["empty_ms"] = median(emptyTimes) * 1000;
    state.counters["full_ms"] = median(fullTimes) * 1000;
    state.counters["full_over_empty"] = median(fullTimes) / median(emptyTimes);
}
BENCHMARK(BM_ProgramStartUpFullAndEmpty)
    ->ArgName("members")
    ->Arg(MemberStore::kCapacity)
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

} // namespace
} // namespace tessaly
