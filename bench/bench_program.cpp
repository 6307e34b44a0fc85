#include "bench_desktop.h"
#include "bench_roll.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tessaly {
namespace {

// The whole program as the operator starts it in a roll folder: the process, the
// libraries, the roll loaded and listed, the main window shown and painted, until the
// program ends itself right after that first showing (TESSALY_EXIT_AFTER_SHOW).
void BM_ProgramStartUp(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoll(dir.path(), rollSize(state));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TESSALY_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    for (auto _ : state) {
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TESSALY_PROGRAM), QStringList());
        if (!program.waitForFinished(10000)) {
            program.kill();
            program.waitForFinished();
            state.SkipWithError("the program did not end after showing its window");
            break;
        }
        if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
            state.SkipWithError("the program failed to start");
            break;
        }
    }
}
BENCHMARK(BM_ProgramStartUp)->Apply(atRollSizes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace tessaly
