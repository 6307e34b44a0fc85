#include "licences_window/licence_preview.h"

#include "core/member_columns.h"
#include "licences_window/licence_texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessaly {

namespace {

enum Column { Take, Member, Call, FieldName, InRoll, InFile, ColumnCount };

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

LicencePreviewDialog::LicencePreviewDialog(std::vector<LicenceRow> rows, const QString &summary,
                                           QWidget *parent)
    : QDialog(parent), rows_(std::move(rows))
{
    setObjectName(QStringLiteral("LicencePreview"));
    setWindowTitle(updateLicencesTitle());

    auto *label = new QLabel(summary, this);
    label->setObjectName(QStringLiteral("LicenceSummary"));
    label->setWordWrap(true);

    table_ = new QTableWidget(static_cast<int>(rows_.size()), ColumnCount, this);
    table_->setObjectName(QStringLiteral("LicenceRows"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Take"), QStringLiteral("Member"),
                                       QStringLiteral("Call"), QStringLiteral("Field"),
                                       QStringLiteral("In the Roll"),
                                       QStringLiteral("In the FCC File")});
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const LicenceRow &row = rows_[i];
        const int r = static_cast<int>(i);
        auto *take = cell({});
        if (row.proposes()) {
            take->setFlags(take->flags() | Qt::ItemIsUserCheckable);
            take->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
        }
        table_->setItem(r, Take, take);
        table_->setItem(r, Member, cell(row.name));
        table_->setItem(r, Call, cell(row.call));
        table_->setItem(r, FieldName, cell(memberColumn(row.field).header.toString()));
        table_->setItem(r, InRoll, cell(row.rollValue));
        table_->setItem(r, InFile, cell(row.fccValue));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(860, 480);
}

std::vector<LicenceRow> LicencePreviewDialog::rows() const
{
    std::vector<LicenceRow> rows = rows_;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].proposes())
            rows[i].ticked = table_->item(static_cast<int>(i), Take)->checkState() == Qt::Checked;
    }
    return rows;
}

} // namespace tessaly
