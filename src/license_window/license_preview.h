#pragma once

#include "license_rules/license_update.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QTableView;

namespace tessaly {

// The rows of the license update as a table: whether to take it (a check box on every row
// that proposes a change, as the rules ticked it), the member, the call sign, the field,
// the value in the roll and the value in the FCC file. Only the ticks change.
class LicenseRowsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit LicenseRowsModel(std::vector<LicenseRow> rows, QObject *parent = nullptr);

    // The rows with the ticks as the operator left them.
    const std::vector<LicenseRow> &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<LicenseRow> rows_;
};

// The rows of the license update before anything changes: one row per member with something
// to say, proposals ticked as the rules ticked them, OK the default button.
class LicensePreviewDialog : public QDialog {
    Q_OBJECT

  public:
    // summary, above the rows, names the FCC file and its date once for all of them.
    LicensePreviewDialog(std::vector<LicenseRow> rows, const QString &summary,
                         QWidget *parent = nullptr);

    // The rows with the ticks as the operator left them.
    std::vector<LicenseRow> rows() const { return model_->rows(); }

  private:
    LicenseRowsModel *model_ = nullptr;
};

} // namespace tessaly
