#include "bench_table.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The window benchmarks drive the real main window on Qt's offscreen platform. The
// results come as one table; --benchmark_out still writes every detail to a file.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    tessaly::TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
