#include "roll/listed_members.h"

#include "roll/member_list_line.h"

#include <numeric>

namespace tessaly {

ListedMembers::ListedMembers(const MemberStore &store, QObject *parent)
    : QAbstractListModel(parent), store_(store)
{
}

int ListedMembers::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : listedCount();
}

QVariant ListedMembers::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const int record = recordAtRow(index.row() + 1);
    // A command may have changed the store and not yet relisted it when the view
    // repaints (behind a message box); a row whose record is gone shows nothing.
    if (record < 1 || record > store_.count())
        return QString();
    // The view measures every character of a line to elide it, at each paint; a
    // value of a megabyte would stall the window. No list is wide enough to show
    // more than the first few hundred characters, and the rest is elided anyway.
    QString line = memberListLine(store_.record(record));
    if (line.size() > kLongestLineShown)
        line.truncate(line.at(kLongestLineShown - 1).isHighSurrogate() ? kLongestLineShown - 1
                                                                       : kLongestLineShown);
    return line;
}

int ListedMembers::recordAtRow(int row) const
{
    if (row < 1 || row > listedCount())
        return 0;
    return rows_[static_cast<std::size_t>(row - 1)];
}

void ListedMembers::listAllMembers()
{
    std::vector<int> all(static_cast<std::size_t>(store_.count()));
    std::iota(all.begin(), all.end(), 1);
    listRecords(std::move(all), {});
}

void ListedMembers::listRecords(std::vector<int> records, const Listing &listing)
{
    beginResetModel();
    rows_ = std::move(records);
    listing_ = listing;
    endResetModel();
}

QString ListedMembers::summary() const
{
    return listingSummary(listing_, listedCount(), store_.count());
}

} // namespace tessaly
