#include "bench_desktop.h"
#include "bench_roll.h"

#include "core/member_columns.h"
#include "import_rules/column_matching.h"
#include "import_rules/import_plan.h"
#include "import_rules/sheet_file.h"
#include "import_rules/sheet_reader.h"
#include "import_window/import_dialog.h"
#include "roll/roll_session.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <memory>
#include <string>

namespace tessaly {
namespace {

// A sheet of half the roll size into a roll of the other half: at 10,000, 5,000 rows. The
// roll is two short of its half, as 5,000 and 5,000 would pass the 9,998 the roll takes.
int sheetRows(const benchmark::State &state)
{
    return rollSize(state) / 2;
}
int rollMembers(const benchmark::State &state)
{
    return rollSize(state) / 2 - 2;
}

// The spreadsheet a club would bring: the report's columns, every value quoted, members
// none of whom is on the roll already.
QByteArray sheetOfNewMembers(int rows)
{
    const MemberStore members = generatedRoll(rows);
    QStringList header;
    for (const MemberColumn &column : kMemberColumns)
        header << column.header.toString();
    QString csv = header.join(u',') + QStringLiteral("\r\n");
    for (int n = 1; n <= members.count(); ++n) {
        QStringList cells;
        for (const MemberColumn &column : kMemberColumns) {
            // The roll is made the same way: a new surname keeps every row off it.
            const QString suffix =
                column.field == Field::LastName ? QStringLiteral("-new") : QString();
            cells << u'"' + members.field(n, column.field) + suffix + u'"';
        }
        csv += cells.join(u',') + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

// From the file's bytes to the members on the roll: reading, matching, fixing, the
// duplicate rule, then the one sort and the one save.
void BM_ImportIntoRoll(benchmark::State &state)
{
    const int sheet = sheetRows(state), members = rollMembers(state);
    const QByteArray bytes = sheetOfNewMembers(sheet);
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        writeRoll(dir.path(), members);
        RollSession roll(dir.path());
        roll.load();
        state.ResumeTiming();

        const SheetEncoding encoding = detectEncoding(bytes);
        QString text = decodeSheet(bytes, encoding);
        const QChar separator = separatorChar(detectSeparator(text));
        SheetRows read = readSheet(std::move(text), separator);
        const QStringList headers = read.rows.takeFirstRow();
        const ColumnMatches matches = matchColumns(headers, static_cast<int>(headers.size()));
        const ImportPlan plan = planImport(std::make_shared<const SheetTable>(std::move(read.rows)),
                                           matches, roll.store(), QDate(2026, 12, 6));
        roll.addMembers(plan.membersToAdd({}));
        if (roll.count() != members + sheet)
            state.SkipWithError("not every row was added");
    }
}
BENCHMARK(BM_ImportIntoRoll)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// What the operator waits for between choosing the file and seeing its preview.
void BM_ImportDialogOpens(benchmark::State &state)
{
    const QByteArray bytes = sheetOfNewMembers(sheetRows(state));
    QTemporaryDir dir;
    writeRoll(dir.path(), rollMembers(state));
    RollSession roll(dir.path());
    roll.load();
    QuietDesktop desktop;
    for (auto _ : state) {
        ImportDialog dialog(roll, desktop.platform, dir.filePath(QStringLiteral("club.csv")),
                            bytes);
        benchmark::DoNotOptimize(dialog.sheet().plan().rows.size());
    }
}
BENCHMARK(BM_ImportDialogOpens)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// A sheet as large as the import takes, about 60 MB: 580,000 rows of ten columns, every
// member a new one (so that each row's keys go into the duplicate check), the addresses
// quoted as a spreadsheet quotes a value with a comma.
QByteArray bigSheet()
{
    constexpr int kRows = 580000;
    QByteArray csv = "Call,First,Last,Address,City,State,Zip,Phone,Email,Joined\r\n";
    csv.reserve(64 * 1000 * 1000);
    const char *firsts[] = {"John", "Mary", "Robert", "Patricia", "Michael", "Linda"};
    const char *cities[] = {"Springfield", "Newington", "Fairview", "Georgetown", "Salem"};
    for (int n = 0; n < kRows; ++n) {
        const QByteArray number = QByteArray::number(n);
        const QByteArray first = firsts[n % 6];
        csv += "K" + QByteArray::number(n, 36).toUpper() + ',' + first + ",Roe" + number + ",\"" +
               number + " Main St, Apt " + QByteArray::number(n % 40) + "\"," + cities[n % 5] +
               ",PA,19" + QByteArray::number(100 + n % 900) + ",610-555-" +
               QByteArray::number(1000 + n % 9000) + ',' + first.toLower() + '.' + number +
               "@x.org," + QByteArray::number(1 + n % 12) + '/' + QByteArray::number(1 + n % 28) +
               "/19" + QByteArray::number(50 + n % 50) + "\r\n";
    }
    return csv;
}

// What this process holds now and the most it held since the last reset, in bytes.
qint64 statusBytes(const char *key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0)
            return std::stoll(line.substr(std::string(key).size())) * 1024;
    }
    return -1;
}

// The memory from choosing the file to the preview on screen, against the file's size: the
// file read, its rows and the plan of every row, and the dialog shown. The peak is the
// process's high-water mark over what it held before, reset just then (Linux).
void BM_ImportPreviewPeakMemory(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoll(dir.path(), 100);
    RollSession roll(dir.path());
    roll.load();
    QuietDesktop desktop;
    const QString path = dir.filePath(QStringLiteral("club.csv"));
    qint64 fileBytes = 0;
    {
        QFile file(path);
        const QByteArray sheet = bigSheet();
        fileBytes = sheet.size();
        if (!file.open(QIODevice::WriteOnly) || file.write(sheet) != fileBytes) {
            state.SkipWithError("the sheet could not be written");
            return;
        }
    }
    for (auto _ : state) {
        malloc_trim(0);
        const qint64 before = statusBytes("VmRSS:");
        std::ofstream reset("/proc/self/clear_refs");
        if (!(reset << "5" << std::flush)) {
            state.SkipWithError("the peak memory cannot be reset here");
            return;
        }
        {
            const SheetFile sheet = readSheetFile(path);
            ImportDialog dialog(roll, desktop.platform, path, sheet.bytes);
            dialog.show();
            QCoreApplication::processEvents();
            if (dialog.sheet().plan().rows.size() != 580000)
                state.SkipWithError("not every row was read");
        }
        const double peak = static_cast<double>(statusBytes("VmHWM:") - before);
        state.counters["peak_MB"] = peak / (1024.0 * 1024.0);
        state.counters["file_MB"] = static_cast<double>(fileBytes) / (1024.0 * 1024.0);
        state.counters["peak_per_file_byte"] = peak / static_cast<double>(fileBytes);
    }
}
BENCHMARK(BM_ImportPreviewPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace tessaly
