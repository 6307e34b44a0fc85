#pragma once

#include "licences/licence_update.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QTableView;

namespace tessaly {

// The rows of the licence update as a table: whether to take it (a check box on every row
// that proposes a change, as the rules ticked it), the member, the call sign, the field,
// the value in the roll and the value in the FCC file. Only the ticks change.
class LicenceRowsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit LicenceRowsModel(std::vector<LicenceRow> rows, QObject *parent = nullptr);

    // The rows with the ticks as the operator left them.
    const std::vector<LicenceRow> &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<LicenceRow> rows_;
};

// The rows of the licence update before anything changes: one row per member with something
// to say, proposals ticked as the rules ticked them, OK the default button.
class LicencePreviewDialog : public QDialog {
    Q_OBJECT

  public:
    // summary, above the rows, names the FCC file and its date once for all of them.
    LicencePreviewDialog(std::vector<LicenceRow> rows, const QString &summary,
                         QWidget *parent = nullptr);

    // The rows with the ticks as the operator left them.
    std::vector<LicenceRow> rows() const { return model_->rows(); }

  private:
    LicenceRowsModel *model_ = nullptr;
};

} // namespace tessaly
