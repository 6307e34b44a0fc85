#pragma once

#include "licences/licence_update.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace tessaly {

// The rows of the licence update before anything changes: one row per member with something
// to say, proposals ticked as the rules ticked them, OK the default button.
class LicencePreviewDialog : public QDialog {
    Q_OBJECT

  public:
    // summary, above the rows, names the FCC file and its date once for all of them.
    LicencePreviewDialog(std::vector<LicenceRow> rows, const QString &summary,
                         QWidget *parent = nullptr);

    // The rows with the ticks as the operator left them.
    std::vector<LicenceRow> rows() const;

  private:
    std::vector<LicenceRow> rows_;
    QTableWidget *table_ = nullptr;
};

} // namespace tessaly
