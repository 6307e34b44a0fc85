#include "core/member_table.h"
#include "main_window/main_window.h"
#include "roll/address_file.h"
#include "roll/address_texts.h"
#include "roll/member_search.h"

#include "bench_desktop.h"
#include "bench_roll.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {
namespace {

// Generated once per size: the searches run many times over the same roll.
const MemberStore &roll(const benchmark::State &state)
{
    static std::map<int, MemberStore> rolls;
    const int members = rollSize(state);
    auto it = rolls.find(members);
    if (it == rolls.end())
        it = rolls.emplace(members, generatedRoll(members)).first;
    return it->second;
}

std::vector<int> everyone(const MemberStore &store)
{
    std::vector<int> all(static_cast<std::size_t>(store.count()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i) + 1;
    return all;
}

void searchFor(benchmark::State &state, const QString &text)
{
    const MemberStore &store = roll(state);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<int> listed = searchMembers(store, text);
        found = listed.size();
        benchmark::DoNotOptimize(listed.data());
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_SearchOneLetter(benchmark::State &state)
{
    searchFor(state, u"s"_s);
}
BENCHMARK(BM_SearchOneLetter)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SearchThreeLetters(benchmark::State &state)
{
    searchFor(state, u"mil"_s);
}
BENCHMARK(BM_SearchThreeLetters)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_SearchNoMatch(benchmark::State &state)
{
    searchFor(state, u"zq#"_s);
}
BENCHMARK(BM_SearchNoMatch)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_VotingMembers(benchmark::State &state)
{
    const MemberStore &store = roll(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(votingMembers(store).data());
}
BENCHMARK(BM_VotingMembers)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_ListExportTable(benchmark::State &state)
{
    const MemberStore &store = roll(state);
    const std::vector<int> listed = everyone(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(memberTableText(store, listed).constData());
}
BENCHMARK(BM_ListExportTable)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_AddressFileText(benchmark::State &state)
{
    const MemberStore &store = roll(state);
    const std::vector<int> listed = everyone(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(addressFileText(store, listed).constData());
}
BENCHMARK(BM_AddressFileText)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

void BM_WriteAddressFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString text = addressFileText(roll(state), everyone(roll(state)));
    for (auto _ : state) {
        if (!writeAddressFile(dir.path(), text).ok()) {
            state.SkipWithError("Address.txt could not be written");
            break;
        }
    }
}
BENCHMARK(BM_WriteAddressFile)->Apply(atRollSizes)->Unit(benchmark::kMillisecond);

// How the megabyte is made: one line of words, many short lines, or one unbroken word.
enum class Shape { Words, Lines, Solid };

// A roll of 10,000 where one member's value in `field` holds a megabyte (another
// program wrote it, or a sheet was imported).
struct HugeValueWindow : UnderLoad<MainWindow> {
    HugeValueWindow(Field field, Shape shape) : UnderLoad(10000)
    {
        MemberRecord member = roll->member(kHuge);
        QString value;
        const QString word = shape == Shape::Lines   ? u"note text\r\n"_s
                             : shape == Shape::Words ? u"note text "_s
                                                     : u"notetext"_s;
        while (value.size() < 1024 * 1024)
            value += word;
        member[field] = value;
        if (!roll->update(kHuge, member).ok())
            return;
        list = control<QListView>("List1");
        huge = listedRow(field, value);
    }

    // The whole roll is listed in record order.
    int listedRow(Field field, const QString &value) const
    {
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            if (roll->member(row + 1)[field] == value)
                return row;
        }
        return -1;
    }

    // Picks list row `row`, as a click or an arrow key does, and lets the window
    // show the member.
    void pick(int row)
    {
        list->setCurrentIndex(list->model()->index(row, 0));
        QApplication::processEvents();
    }

    static constexpr int kHuge = 5000;
    QListView *list = nullptr;
    int huge = -1;
};

struct HugeValueCase {
    Field field;
    Shape shape;
    const char *box;
};
constexpr HugeValueCase kHugeValueCases[] = {
    {Field::Other, Shape::Words, "Text8"}, {Field::Other, Shape::Lines, "Text8"},
    {Field::Other, Shape::Solid, "Text8"}, {Field::City, Shape::Words, "Text5"},
    {Field::City, Shape::Solid, "Text5"},  {Field::LastName, Shape::Words, "Text3"},
};

void hugeValueArguments(benchmark::internal::Benchmark *bench)
{
    bench->ArgName("case");
    for (std::size_t i = 0; i < std::size(kHugeValueCases); ++i)
        bench->Arg(static_cast<int64_t>(i));
}

const HugeValueCase &hugeValueCase(const benchmark::State &state)
{
    return kHugeValueCases[static_cast<std::size_t>(state.range(0))];
}

// Selecting the member with the megabyte value, then a neighbour, over and over.
void BM_WindowSelectHugeValue(benchmark::State &state)
{
    const HugeValueCase &which = hugeValueCase(state);
    HugeValueWindow w(which.field, which.shape);
    if (w.huge < 0) {
        state.SkipWithError("the member with the huge value was not stored");
        return;
    }
    bool onHuge = false;
    for (auto _ : state) {
        onHuge = !onHuge;
        w.pick(onHuge ? w.huge : w.huge + 1);
    }
}
BENCHMARK(BM_WindowSelectHugeValue)->Apply(hugeValueArguments)->Unit(benchmark::kMillisecond);

// One key typed into the box that holds the megabyte, at its end. The box shows only the
// value's beginning and takes no typing, so this is what refusing the key costs.
void BM_WindowTypeIntoHugeValue(benchmark::State &state)
{
    const HugeValueCase &which = hugeValueCase(state);
    HugeValueWindow w(which.field, which.shape);
    w.pick(w.huge);
    QWidget *box = w.control<QWidget>(which.box);
    box->setFocus();
    if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        lines->moveCursor(QTextCursor::End);
    else if (auto *line = qobject_cast<QLineEdit *>(box))
        line->end(false);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
        QApplication::sendEvent(box, &press);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowTypeIntoHugeValue)->Apply(hugeValueArguments)->Unit(benchmark::kMillisecond);

// Record: the member with the megabyte value is stored again, sorted and saved.
void BM_WindowRecordHugeValue(benchmark::State &state)
{
    const HugeValueCase &which = hugeValueCase(state);
    HugeValueWindow w(which.field, which.shape);
    for (auto _ : state) {
        state.PauseTiming();
        w.pick(w.huge); // stored unchanged, the member keeps its place
        state.ResumeTiming();
        w.click("Command1");
    }
    if (w.desktop.messages != 0)
        state.SkipWithError("a message box came up");
}
BENCHMARK(BM_WindowRecordHugeValue)
    ->Apply(hugeValueArguments)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

} // namespace
} // namespace tessaly
