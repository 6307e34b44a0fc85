#pragma once

#include "core/member_store.h"
#include "roll/listing_summary.h"

#include <QAbstractListModel>

#include <vector>

namespace tessaly {

// The members the member list shows, row by row, as record numbers of the store.
// Exports and label printing work on exactly these records, in this order.
class ListedMembers : public QAbstractListModel {
    Q_OBJECT

  public:
    // A list line longer than this is shown cut there; the list elides it long before.
    static constexpr qsizetype kLongestLineShown = 1000;

    explicit ListedMembers(const MemberStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int listedCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<int> &rowRecords() const { return rows_; }

    // The record shown on row (counted from 1); 0 when there is no such row.
    int recordAtRow(int row) const;

    // Which members the rows are, and the line that says so.
    const Listing &listing() const { return listing_; }
    QString summary() const;

    // Every member of the store, in store order.
    void listAllMembers();
    // Replaces the whole listing at once.
    void listRecords(std::vector<int> records, const Listing &listing);

  private:
    const MemberStore &store_;
    std::vector<int> rows_;
    Listing listing_;
};

} // namespace tessaly
