#pragma once

#include "import_rules/import_sheet.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace tessaly {

// The sheet as the import would take it: a first column saying whether each row is
// added or why it is left out, then the sheet's columns, headed by the file's own
// header and the field each fills. Imported cells show the value as it would be
// stored; a value changed on the way, or kept as written, is marked and its tooltip
// shows what the file holds. A value that leaves its row out whatever is ticked (one
// too long, or one a quote never closed ran to the end of the file) is marked in red
// and its tooltip says why. A cell shows the start of a long value only.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Shows sheet, which must outlive the model.
    explicit ImportPreviewModel(const ImportSheet &sheet, QObject *parent = nullptr);

    // To be called whenever the sheet has changed.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString statusText(const PlannedRow &row) const;

  private:
    QString cellText(int row, int column) const;
    QString rawCell(int row, int column) const;
    std::optional<Field> fieldOf(int column) const;

    const ImportSheet &sheet_;
};

// The header the import shows for column (from 0) of the sheet: its own text, or
// "Column 3" when the file leaves it blank.
QString sheetColumnName(const QStringList &headers, int column);

} // namespace tessaly
