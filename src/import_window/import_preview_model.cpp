#include "import_window/import_preview_model.h"

#include "core/member_columns.h"
#include "import_rules/import_texts.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace tessaly {

namespace {

// A cell shows one line, as the report does, and no more of it than a cell has room
// for: a value the rest of a file was read into must not stall the preview.
constexpr qsizetype kShownChars = 500;

QString shortened(QStringView whole, qsizetype most = kShownChars)
{
    if (whole.size() <= most)
        return whole.toString();
    // Never half a character beyond the basic plane.
    const qsizetype cut = whole[most - 1].isHighSurrogate() ? most - 1 : most;
    return whole.left(cut).toString() + QChar(0x2026);
}

QString oneLine(QStringView whole)
{
    QString text = shortened(whole);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(", "));
    text.replace(u'\n', u' ');
    text.replace(u'\r', u' ');
    return text;
}

} // namespace

QString sheetColumnName(const QStringList &headers, int column)
{
    // A header a quote never closed swallowed would take the whole file into a label.
    constexpr qsizetype kLongestName = 80;
    const QString text = column < headers.size()
                             ? shortened(headers.at(column), kLongestName).simplified()
                             : QString();
    return text.isEmpty() ? QStringLiteral("Column %1").arg(column + 1) : text;
}

ImportPreviewModel::ImportPreviewModel(const ImportSheet &sheet, QObject *parent)
    : QAbstractTableModel(parent), sheet_(sheet)
{
}

void ImportPreviewModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(sheet_.plan().rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(sheet_.matches().size()) + 1;
}

std::optional<Field> ImportPreviewModel::fieldOf(int column) const
{
    const ColumnMatches &matches = sheet_.matches();
    if (column < 1 || column > static_cast<int>(matches.size()))
        return std::nullopt;
    return matches[static_cast<std::size_t>(column - 1)];
}

QString ImportPreviewModel::rawCell(int row, int column) const
{
    return sheet_.dataRows().cell(static_cast<std::size_t>(row), column - 1).toString();
}

QString ImportPreviewModel::statusText(const PlannedRow &row) const
{
    switch (sheet_.plan().leftOut(row, sheet_.choices())) {
    case LeftOut::Empty:
        return QStringLiteral("Left out: empty");
    case LeftOut::Duplicate:
        return row.duplicateOfMember > 0
                   ? QStringLiteral("Left out: on the roll")
                   : QStringLiteral("Left out: as row %1").arg(row.duplicateOfRow);
    case LeftOut::Unencodable:
        return QStringLiteral("Left out: characters");
    case LeftOut::QuoteNeverClosed:
        return QStringLiteral("Left out: quote not closed");
    case LeftOut::TooLong:
        return QStringLiteral("Left out: too long");
    case LeftOut::No:
        break;
    }
    return QStringLiteral("Add");
}

QString ImportPreviewModel::cellText(int row, int column) const
{
    const PlannedRow &planned = sheet_.plan().rows[static_cast<std::size_t>(row)];
    if (column == 0)
        return statusText(planned);
    if (const std::optional<Field> field = fieldOf(column))
        return oneLine(sheet_.plan().value(static_cast<std::size_t>(row), *field));
    return oneLine(rawCell(row, column));
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ImportPlan &plan = sheet_.plan();
    const PlannedRow &row = plan.rows[static_cast<std::size_t>(index.row())];
    const std::optional<Field> field = fieldOf(index.column());
    const bool replaced = field && row.replaced.contains(*field);
    const bool kept = field && row.keptAsText.contains(*field);
    const bool tooLong = field && row.tooLong.contains(*field);
    const bool unclosed =
        row.quoteNeverClosed() && index.column() == row.quoteNeverClosedColumn + 1;
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::ForegroundRole:
        if (plan.leftOut(row, sheet_.choices()) != LeftOut::No)
            return QBrush(QColor(0x70, 0x70, 0x70));
        return {};
    case Qt::BackgroundRole:
        if (tooLong || unclosed)
            return QBrush(QColor(0xFF, 0xC8, 0xC8));
        if (replaced || kept)
            return QBrush(QColor(0xFF, 0xF0, 0xB0));
        return {};
    case Qt::ToolTipRole:
        if (unclosed && plan.unclosedQuote)
            return quoteNeverClosedTip(plan.unclosedQuote->line, plan.unclosedQuote->lastLine);
        if (tooLong)
            return tooLongTip(plan.value(static_cast<std::size_t>(index.row()), *field).size());
        if (replaced)
            return QStringLiteral("Characters AddrClub.dat cannot hold were replaced. The file "
                                  "holds: %1")
                .arg(shortened(rawCell(index.row(), index.column())));
        if (kept)
            return QStringLiteral("Not read as a date or yes/no value; kept as written.");
        return {};
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount())
            return {};
        return sheet_.plan().rows[static_cast<std::size_t>(section)].sheetRow;
    }
    if (section == 0)
        return QStringLiteral("Import");
    const std::optional<Field> field = fieldOf(section);
    return sheetColumnName(sheet_.headers(), section - 1) + u'\n' +
           (field ? memberColumn(*field).header.toString() : notImportedText());
}

} // namespace tessaly
