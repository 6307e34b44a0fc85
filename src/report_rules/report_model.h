#pragma once

#include "core/member_store.h"

#include <QAbstractTableModel>

#include <vector>

namespace tessaly {

// The report's lines, as record numbers of the store in the order shown; the cell
// texts are made when the view asks for them, so 10,000 members cost no 190,000
// items.
class ReportModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit ReportModel(const MemberStore &store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const std::vector<int> &records() const { return records_; }
    void listRecords(std::vector<int> records);
    // Sorts the lines shown by one column's text, ascending every time; lines listed
    // later come in record order again.
    void sortByColumn(int column);

  private:
    const MemberStore &store_;
    std::vector<int> records_;
};

} // namespace tessaly
