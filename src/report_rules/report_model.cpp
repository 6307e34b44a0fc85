#include "report_rules/report_model.h"

#include "report_rules/report_columns.h"
#include "report_rules/report_rows.h"
#include "report_rules/report_sort.h"

#include <algorithm>

namespace tessaly {

ReportModel::ReportModel(const MemberStore &store, QObject *parent)
    : QAbstractTableModel(parent), store_(store)
{
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kReportColumnCount;
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const int record = records_[static_cast<std::size_t>(index.row())];
    // A line whose record is gone (the roll shrank behind the report) shows nothing.
    if (record < 1 || record > store_.count())
        return QString();
    return reportCell(store_.record(record), index.column());
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= kReportColumnCount)
        return {};
    return kReportColumns[static_cast<std::size_t>(section)].header.toString();
}

void ReportModel::listRecords(std::vector<int> records)
{
    beginResetModel();
    records_ = std::move(records);
    endResetModel();
}

void ReportModel::sortByColumn(int column)
{
    if (column < 0 || column >= kReportColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> oldRows;
    for (const QModelIndex &index : before)
        oldRows.push_back(records_[static_cast<std::size_t>(index.row())]);
    sortReportByColumn(store_, records_, column);
    // Views keep their current line through the sort.
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const auto at =
            std::find(records_.begin(), records_.end(), oldRows[static_cast<std::size_t>(i)]);
        after << index(static_cast<int>(at - records_.begin()), before[i].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace tessaly
