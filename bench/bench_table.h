#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tessaly {

// Collects every run and prints one table at the end: a row per benchmark, a column per
// roll size (the benchmark's "members" argument), the sort against the quadratic
// procedure as a ratio, and the targets the roll sizes must meet. Progress goes to the
// error stream while the runs go on.
class TableReporter final : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

  private:
    struct Row {
        std::string name;
        std::map<std::int64_t, std::string> cells; // by roll size; 0 for none
        std::map<std::int64_t, double> milliseconds;
    };
    Row &row(const std::string &name);

    std::vector<Row> rows_;
};

} // namespace tessaly
