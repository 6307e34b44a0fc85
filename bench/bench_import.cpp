#include "bench_desktop.h"
#include "bench_roll.h"

#include "import/column_matching.h"
#include "import/import_plan.h"
#include "import/sheet_reader.h"
#include "import_window/import_dialog.h"
#include "core/member_columns.h"
#include "roll/roll_session.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
        const QString text = decodeSheet(bytes, encoding);
        std::vector<QStringList> rows = readSheetRows(text, separatorChar(detectSeparator(text)));
        const QStringList headers = rows.front();
        rows.erase(rows.begin());
        const ColumnMatches matches = matchColumns(headers, static_cast<int>(headers.size()));
        const ImportPlan plan = planImport(rows, matches, roll.store(), QDate(2026, 12, 6));
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

} // namespace
} // namespace tessaly
