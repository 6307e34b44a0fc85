#include "import/import_plan.h"

#include "core/duplicate_rule.h"
#include "import/value_fixing.h"

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

std::vector<MemberRecord> ImportPlan::membersToAdd(const ImportChoices &choices) const
{
    std::vector<MemberRecord> members;
    members.reserve(rows.size());
    for (const PlannedRow &row : rows) {
        if (leftOut(row, choices) == LeftOut::No)
            members.push_back(row.member);
    }
    return members;
}

ImportPlan planImport(const std::vector<QStringList> &dataRows, const ColumnMatches &matches,
                      const MemberStore &roll, const QDate &today,
                      std::optional<UnclosedCell> unclosedQuote, const std::vector<int> &sheetRows)
{
    ImportPlan plan;
    plan.rows.reserve(dataRows.size());
    plan.unclosedQuote = unclosedQuote;
    DuplicateIndex index(roll);
    constexpr int kFirstDataRow = 2;
    for (std::size_t i = 0; i < dataRows.size(); ++i) {
        const QStringList &cells = dataRows[i];
        PlannedRow row;
        row.sheetRow = i < sheetRows.size() ? sheetRows[i] : static_cast<int>(i) + kFirstDataRow;
        // Fields no column fills are left as the add command leaves an empty box.
        for (Field flag : {Field::ArrlMember, Field::VotingMember, Field::DuesPaid})
            row.member[flag] = QStringLiteral("N");
        bool anyValue = false;
        for (std::size_t column = 0; column < matches.size(); ++column) {
            if (!matches[column])
                continue;
            const Field field = *matches[column];
            const QStringView raw = column < static_cast<std::size_t>(cells.size())
                                        ? QStringView(cells.at(static_cast<qsizetype>(column)))
                                        : QStringView();
            const FixedValue fixed = fixValue(field, raw, today);
            anyValue = anyValue || !raw.trimmed().isEmpty();
            row.member[field] = fixed.text;
            if (fixed.replaced)
                row.replaced.push_back(field);
            if (fixed.keptAsText)
                row.keptAsText.push_back(field);
            if (fixed.text.size() > kLongestImportedValue)
                row.tooLong.push_back(field);
        }
        row.empty = !anyValue;
        if (unclosedQuote && unclosedQuote->row == i)
            row.quoteNeverClosedColumn = unclosedQuote->column;
        // A row left out whatever is ticked cannot make a later row a duplicate.
        if (!row.barred()) {
            const int tag = index.find(row.member);
            if (tag > 0)
                row.duplicateOfMember = tag;
            else if (tag < 0)
                row.duplicateOfRow = -tag;
            index.add(row.member, -row.sheetRow);
        }
        plan.rows.push_back(std::move(row));
    }
    return plan;
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
