#include "bench_table.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <ostream>

namespace tessaly {
namespace {

constexpr std::int64_t kSmallRoll = 1000;
constexpr std::int64_t kFullRoll = 10000;
constexpr std::int64_t kNoRoll = 0;

// sortMembers against the quadratic procedure it replaced, as written (keys built at
// every comparison) and with its keys built once; the first must be 300 times slower.
// The license update against unzip inflating the same file, which it may exceed by half.
// A row without a roll compares with the other row at every roll size.
struct Ratio {
    const char *name;
    const char *slow;
    const char *fast;
    double atLeast; // 0: no lower bound
    double atMost;  // 0: no upper bound
};
const Ratio kRatios[] = {
    {"SortQuadratic / SortMembers", "SortQuadraticOneOutOfPlace", "SortMembersOneOutOfPlace",
     300, 0},
    {"SortQuadraticFoldedKeys / SortMembers", "SortQuadraticFoldedKeysOneOutOfPlace",
     "SortMembersOneOutOfPlace", 0, 0},
    {"FccLicenseUpdate / FccUnzipInflate", "FccLicenseUpdate", "FccUnzipInflate", 0, 1.5},
};

// The most memory a run may take, from the benchmark's peak_MB counter.
struct MemoryTarget {
    const char *row;
    double megabytes;
};
const MemoryTarget kMemoryTargets[] = {
    {"FccLicenseUpdate", 200},
};
const char kPeakSuffix[] = " peak memory";

// The most memory a run may take for each byte of its input, from the benchmark's
// peak_per_file_byte counter.
struct ShareTarget {
    const char *row;
    double times;
};
const ShareTarget kShareTargets[] = {
    {"ImportPreviewPeakMemory", 6}, // a 60 MB sheet
};
const char kShareSuffix[] = " peak / file size";

// What a full roll adds to the program's start: the median start over a full roll against
// the median over an empty one, measured in one run (the full_over_empty counter).
const char kStartUpRatioRow[] = "ProgramStartUp full / empty";
constexpr double kStartUpRatioAtMost = 1.15;

// What the operator must never wait longer for, with a full roll.
struct Target {
    const char *row;
    double milliseconds;
};
const Target kTargets[] = {
    {"LabelPlanHouseholds", 20},
    {"WindowSearchKeystroke", 5},
    {"WindowAddMember", 20},
    {"WindowUpdateMember", 20},
    {"WindowUndoAdd", 15},
    {"WindowUseThisList", 20},
    {"ProgramStartUp", 300},
    {"ImportIntoRoll", 300}, // 5,000 rows into a roll of 4,998
};

double toMilliseconds(double time, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return time / 1e6;
    case benchmark::kMicrosecond:
        return time / 1e3;
    case benchmark::kMillisecond:
        return time;
    case benchmark::kSecond:
        return time * 1e3;
    }
    return time;
}

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Three or four significant digits, in the unit that keeps the number between 1 and 1000.
std::string durationText(double ms)
{
    const auto scaled = [](double value, const char *unit) {
        const char *pattern = value >= 99.95   ? "%.0f %s"
                              : value >= 9.995 ? "%.1f %s"
                                               : "%.2f %s";
        char text[64];
        std::snprintf(text, sizeof text, pattern, value, unit);
        return std::string(text);
    };
    if (ms >= 1000)
        return scaled(ms / 1000, "s");
    if (ms >= 1)
        return scaled(ms, "ms");
    if (ms >= 0.001)
        return scaled(ms * 1e3, "µs");
    return scaled(ms * 1e6, "ns");
}

// "members:1000/column:3" gives 1000 and "column:3"; without a members argument the
// roll size is kNoRoll.
std::int64_t splitRollSize(std::string args, std::string &rest)
{
    const std::string prefix = "members:";
    if (args.compare(0, prefix.size(), prefix) != 0) {
        rest = args;
        return kNoRoll;
    }
    const std::size_t slash = args.find('/');
    rest = slash == std::string::npos ? std::string() : args.substr(slash + 1);
    return std::stoll(args.substr(prefix.size(), slash - prefix.size()));
}

// Display width: the table holds a few two-byte UTF-8 signs (µ, ×, ≥).
std::size_t width(const std::string &text)
{
    const auto startsCharacter = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    };
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

std::string padded(const std::string &text, std::size_t to, bool right)
{
    const std::string fill(to > width(text) ? to - width(text) : 0, ' ');
    return right ? fill + text : text + fill;
}

} // namespace

bool TableReporter::ReportContext(const Context &context)
{
    GetErrorStream() << "Running " << Context::executable_name << " on "
                     << context.cpu_info.num_cpus << " CPUs; the table follows at the end.\n";
    return true;
}

TableReporter::Row &TableReporter::row(const std::string &name)
{
    for (Row &r : rows_) {
        if (r.name == name)
            return r;
    }
    rows_.push_back(Row{name, {}, {}});
    return rows_.back();
}

void TableReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        std::string rest;
        const std::int64_t size = splitRollSize(run.run_name.args, rest);
        std::string name = run.run_name.function_name;
        if (name.compare(0, 3, "BM_") == 0)
            name.erase(0, 3);
        if (!rest.empty())
            name += " (" + rest + ")";
        Row &r = row(name);
        if (run.error_occurred) {
            r.cells[size] = "failed: " + run.error_message;
        } else {
            // The machine may be shared: the process's own processor time is what the
            // code costs, unless the benchmark waits on something else (another process)
            // and asked for the wall-clock time.
            const bool wallClock = !run.run_name.time_type.empty();
            const double ms = toMilliseconds(
                wallClock ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(), run.time_unit);
            r.milliseconds[size] = ms;
            r.cells[size] = durationText(ms);
        }
        GetErrorStream() << "  " << run.benchmark_name() << ": " << r.cells[size] << '\n';
        const auto peak = run.counters.find("peak_MB");
        if (!run.error_occurred && peak != run.counters.end()) {
            Row &memory = row(name + kPeakSuffix); // r may move here
            memory.milliseconds[size] = peak->second; // megabytes in this row
            memory.cells[size] = format("%.0f MB", peak->second);
        }
        const auto over = run.counters.find("full_over_empty");
        if (!run.error_occurred && over != run.counters.end()) {
            Row &times = row(kStartUpRatioRow);
            times.milliseconds[size] = over->second; // times the empty roll's in this row
            times.cells[size] = format("%.2f×", over->second);
        }
        const auto share = run.counters.find("peak_per_file_byte");
        if (!run.error_occurred && share != run.counters.end()) {
            Row &times = row(name + kShareSuffix);
            times.milliseconds[size] = share->second; // times the file in this row
            times.cells[size] = format("%.2f×", share->second);
        }
    }
}

void TableReporter::Finalize()
{
    std::map<std::string, std::string> targets;
    for (const Ratio &pair : kRatios) {
        const auto named = [this](const char *name) {
            return std::find_if(rows_.begin(), rows_.end(),
                                [name](const Row &r) { return r.name == name; });
        };
        const auto slow = named(pair.slow);
        const auto fast = named(pair.fast);
        if (slow == rows_.end() || fast == rows_.end())
            continue;
        Row ratio{pair.name, {}, {}};
        const auto at = [](const Row &r, std::int64_t size) {
            const auto found = r.milliseconds.find(size);
            return found != r.milliseconds.end() ? found : r.milliseconds.find(kNoRoll);
        };
        for (const auto &[size, ms] : slow->milliseconds) {
            const auto found = at(*fast, size);
            if (found != fast->milliseconds.end() && found->second > 0) {
                const double times = ms / found->second;
                ratio.milliseconds[size] = times;
                ratio.cells[size] = format(times >= 10 ? "%.0f×" : "%.2f×", times);
            }
        }
        const auto full = ratio.milliseconds.find(kFullRoll);
        if (pair.atLeast > 0 && full != ratio.milliseconds.end())
            targets[ratio.name] = format("≥ %.0f×, ", pair.atLeast) +
                                  (full->second >= pair.atLeast ? "met" : "MISSED");
        if (pair.atMost > 0 && full != ratio.milliseconds.end())
            targets[ratio.name] = format("≤ %.1f×, ", pair.atMost) +
                                  (full->second <= pair.atMost ? "met" : "MISSED");
        // Right after the slower of the two rows it compares.
        rows_.insert(std::max(slow, fast) + 1, ratio);
    }
    for (const Target &target : kTargets) {
        for (const Row &r : rows_) {
            const auto full = r.milliseconds.find(kFullRoll);
            if (r.name == target.row && full != r.milliseconds.end())
                targets[r.name] = format("< %.0f ms, ", target.milliseconds) +
                                  (full->second < target.milliseconds ? "met" : "MISSED");
        }
    }

    for (const MemoryTarget &target : kMemoryTargets) {
        const std::string name = target.row + std::string(kPeakSuffix);
        for (const Row &r : rows_) {
            const auto full = r.milliseconds.find(kFullRoll);
            if (r.name == name && full != r.milliseconds.end())
                targets[r.name] = format("< %.0f MB, ", target.megabytes) +
                                  (full->second < target.megabytes ? "met" : "MISSED");
        }
    }

    for (const ShareTarget &target : kShareTargets) {
        const std::string name = target.row + std::string(kShareSuffix);
        for (const Row &r : rows_) {
            for (const auto &[size, times] : r.milliseconds) {
                if (r.name == name)
                    targets[r.name] = format("< %.0f×, ", target.times) +
                                      (times < target.times ? "met" : "MISSED");
            }
        }
    }

    for (const Row &r : rows_) {
        const auto full = r.milliseconds.find(kFullRoll);
        if (r.name == kStartUpRatioRow && full != r.milliseconds.end())
            targets[r.name] = format("≤ %.2f×, ", kStartUpRatioAtMost) +
                              (full->second <= kStartUpRatioAtMost ? "met" : "MISSED");
    }

    const std::vector<std::string> header = {"Benchmark", "1,000 members", "10,000 members",
                                             "Target at 10,000"};
    std::vector<std::vector<std::string>> lines;
    for (const Row &r : rows_) {
        const auto cell = [&r](std::int64_t size) {
            const auto found = r.cells.find(size);
            return found == r.cells.end() ? std::string("-") : found->second;
        };
        const auto target = targets.find(r.name);
        // A benchmark without a roll has one time; it stands in the first column.
        const bool noRoll = r.cells.count(kNoRoll) != 0;
        lines.push_back({r.name + (noRoll ? " (no roll)" : ""),
                         noRoll ? cell(kNoRoll) : cell(kSmallRoll), cell(kFullRoll),
                         target == targets.end() ? std::string() : target->second});
    }
    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < header.size(); ++c) {
        std::size_t w = width(header[c]);
        for (const auto &line : lines)
            w = std::max(w, width(line[c]));
        widths.push_back(w);
    }
    std::ostream &out = GetOutputStream();
    const auto print = [&](const std::vector<std::string> &cells) {
        out << '|';
        for (std::size_t c = 0; c < cells.size(); ++c)
            out << ' ' << padded(cells[c], widths[c], c == 1 || c == 2) << " |";
        out << '\n';
    };
    print(header);
    out << "|:" << std::string(widths[0], '-') << " | " << std::string(widths[1], '-') << ":| "
        << std::string(widths[2], '-') << ":| " << std::string(widths[3], '-') << " |\n";
    for (const auto &line : lines)
        print(line);
}

} // namespace tessaly
