#include "import_rules/import_plan.h"

#include "core/duplicate_rule.h"
#include "core/member_columns.h"
#include "import_rules/value_fixing.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace tessaly {

LeftOut ImportPlan::leftOut(const PlannedRow &row, const ImportChoices &choices) const
{
    if (row.quoteNeverClosed())
        return LeftOut::QuoteNeverClosed;
    if (row.empty)
        return LeftOut::Empty;
    if (!row.tooLong.empty())
        return LeftOut::TooLong;
    if (row.duplicate() && !choices.addDuplicates)
        return LeftOut::Duplicate;
    if (!row.replaced.empty() && !choices.acceptReplacements)
        return LeftOut::Unencodable;
    return LeftOut::No;
}

namespace {

// Every imported value of row (from 0) fixed; what the plan notes of them goes into planned
// when it is given.
MemberRecord fixRow(const SheetTable &rows, std::size_t row, const ColumnMatches &matches,
                    const QDate &today, PlannedRow *planned)
{
    MemberRecord member;
    // Fields no column fills are left as the add command leaves an empty box.
    for (const MemberColumn &column : kMemberColumns) {
        if (column.kind == ValueKind::YesNo)
            member[column.field] = QStringLiteral("N");
    }
    bool anyValue = false;
    for (std::size_t column = 0; column < matches.size(); ++column) {
        if (!matches[column])
            continue;
        const Field field = *matches[column];
        const QStringView raw = rows.cell(row, static_cast<qsizetype>(column));
        FixedValue fixed = fixValue(field, raw, today);
        anyValue = anyValue || !raw.trimmed().isEmpty();
        if (planned) {
            if (fixed.replaced)
                planned->replaced.insert(field);
            if (fixed.keptAsText)
                planned->keptAsText.insert(field);
            if (fixed.text.size() > kLongestImportedValue)
                planned->tooLong.insert(field);
        }
        member[field] = std::move(fixed.text);
    }
    if (planned)
        planned->empty = !anyValue;
    return member;
}

// The duplicate rule compares first and last name in every key it has, and a member without
// a last name matches nothing. So members can be the same only within one group of names
// (letter case and blanks aside: a grouping coarser than the rule's, never finer), and the
// rows are held against each other group by group: the keys of every row of a large sheet
// are never held at once, and a row whose name no other has is not looked up at all.
std::optional<std::size_t> nameGroup(const MemberRecord &member)
{
    const auto folded = [&member](Field field) {
        QString text = member[field].toCaseFolded();
        text.removeIf([](QChar c) { return c.isSpace(); });
        return text;
    };
    const QString last = folded(Field::LastName);
    if (last.isEmpty())
        return std::nullopt;
    return qHash(folded(Field::FirstName) + u'\x1f' + last, 0);
}

} // namespace

MemberRecord ImportPlan::member(std::size_t row) const
{
    return fixRow(*dataRows, row, matches, today, nullptr);
}

QString ImportPlan::value(std::size_t row, Field field) const
{
    for (std::size_t column = 0; column < matches.size(); ++column) {
        if (matches[column] == field)
            return fixValue(field, dataRows->cell(row, static_cast<qsizetype>(column)), today).text;
    }
    // As the add command leaves an empty box.
    return memberColumn(field).kind == ValueKind::YesNo ? QStringLiteral("N") : QString();
}

std::vector<MemberRecord> ImportPlan::membersToAdd(const ImportChoices &choices) const
{
    std::vector<MemberRecord> members;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (leftOut(rows[i], choices) == LeftOut::No)
            members.push_back(member(i));
    }
    return members;
}

ImportPlan planImport(std::shared_ptr<const SheetTable> dataRows, const ColumnMatches &matches,
                      const MemberStore &roll, const QDate &today,
                      std::optional<UnclosedCell> unclosedQuote, const std::vector<int> &sheetRows)
{
    ImportPlan plan;
    plan.dataRows = std::move(dataRows);
    plan.matches = matches;
    plan.today = today;
    plan.unclosedQuote = unclosedQuote;
    const SheetTable &rows = *plan.dataRows;
    plan.rows.resize(rows.size());
    constexpr int kFirstDataRow = 2;
    std::vector<std::pair<std::size_t, std::size_t>> named; // group, row
    for (std::size_t i = 0; i < rows.size(); ++i) {
        PlannedRow &row = plan.rows[i];
        row.sheetRow = i < sheetRows.size() ? sheetRows[i] : static_cast<int>(i) + kFirstDataRow;
        const MemberRecord member = fixRow(rows, i, matches, today, &row);
        if (unclosedQuote && unclosedQuote->row == i)
            row.quoteNeverClosedColumn = unclosedQuote->column;
        // A row left out whatever is ticked cannot make a later row a duplicate.
        if (!row.barred()) {
            if (const std::optional<std::size_t> group = nameGroup(member))
                named.emplace_back(*group, i);
        }
    }
    std::vector<std::pair<std::size_t, int>> rollNamed; // group, record
    for (int n = 1; n <= roll.count(); ++n) {
        if (const std::optional<std::size_t> group = nameGroup(roll.record(n)))
            rollNamed.emplace_back(*group, n);
    }
    // Within a group, the roll in record order, then the rows in the sheet's: the order
    // one index over all of them would take them in.
    std::sort(named.begin(), named.end());
    std::sort(rollNamed.begin(), rollNamed.end());
    const MemberStore none;
    auto onRoll = rollNamed.begin();
    for (auto first = named.begin(); first != named.end();) {
        const std::size_t group = first->first;
        auto last = first;
        while (last != named.end() && last->first == group)
            ++last;
        while (onRoll != rollNamed.end() && onRoll->first < group)
            ++onRoll;
        auto rollEnd = onRoll;
        while (rollEnd != rollNamed.end() && rollEnd->first == group)
            ++rollEnd;
        if (last - first > 1 || rollEnd != onRoll) {
            DuplicateIndex index(none);
            for (auto member = onRoll; member != rollEnd; ++member)
                index.add(roll.record(member->second), member->second);
            for (auto entry = first; entry != last; ++entry) {
                PlannedRow &row = plan.rows[entry->second];
                const MemberRecord member = plan.member(entry->second);
                const int tag = index.find(member);
                if (tag > 0)
                    row.duplicateOfMember = tag;
                else if (tag < 0)
                    row.duplicateOfRow = -tag;
                index.add(member, -row.sheetRow);
            }
        }
        first = last;
    }
    return plan;
}

ImportPlan planImport(const std::vector<QStringList> &dataRows, const ColumnMatches &matches,
                      const MemberStore &roll, const QDate &today,
                      std::optional<UnclosedCell> unclosedQuote, const std::vector<int> &sheetRows)
{
    return planImport(std::make_shared<const SheetTable>(dataRows), matches, roll, today,
                      unclosedQuote, sheetRows);
}

ImportTally tallyImport(const ImportPlan &plan, const ImportChoices &choices)
{
    ImportTally tally;
    for (const PlannedRow &row : plan.rows) {
        switch (plan.leftOut(row, choices)) {
        case LeftOut::Empty:
            tally.empty.push_back(row.sheetRow);
            continue;
        case LeftOut::Duplicate:
            tally.duplicates.push_back(row.sheetRow);
            continue;
        case LeftOut::Unencodable:
            tally.unencodable.push_back(row.sheetRow);
            continue;
        case LeftOut::QuoteNeverClosed:
            tally.quoteNeverClosed.push_back(row.sheetRow);
            continue;
        case LeftOut::TooLong:
            tally.tooLong.push_back(row.sheetRow);
            continue;
        case LeftOut::No:
            break;
        }
        ++tally.added;
        if (!row.replaced.empty())
            tally.replacedAdded.push_back(row.sheetRow);
        if (!row.keptAsText.empty())
            tally.keptAsText.push_back(row.sheetRow);
    }
    return tally;
}

QString rowList(const std::vector<int> &rows)
{
    constexpr int kRunsShown = 10;
    QStringList runs;
    int more = 0;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i;
        while (end + 1 < rows.size() && rows[end + 1] == rows[end] + 1)
            ++end;
        if (runs.size() < kRunsShown) {
            runs << (end == i ? QString::number(rows[i])
                              : QStringLiteral("%1-%2").arg(rows[i]).arg(rows[end]));
        } else {
            more += static_cast<int>(end - i + 1);
        }
        i = end + 1;
    }
    QString text = runs.join(QStringLiteral(", "));
    if (more > 0)
        text += QStringLiteral(" and %1 more").arg(more);
    return text;
}

} // namespace tessaly
