#include "license_window/license_preview.h"

#include "core/member_columns.h"
#include "license_window/license_texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tessaly {

namespace {

enum Column { Take, Member, Call, FieldName, InRoll, InFile, ColumnCount };

} // namespace

LicenseRowsModel::LicenseRowsModel(std::vector<LicenseRow> rows, QObject *parent)
    : QAbstractTableModel(parent), rows_(std::move(rows))
{
}

int LicenseRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LicenseRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LicenseRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const LicenseRow &row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole) {
        if (index.column() != Take || !row.proposes())
            return {};
        return row.ticked ? Qt::Checked : Qt::Unchecked;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Member:
        return row.name;
    case Call:
        return row.call;
    case FieldName:
        return memberColumn(row.field).header.toString();
    case InRoll:
        return row.rollValue;
    case InFile:
        return row.fccValue;
    default:
        return QString();
    }
}

bool LicenseRowsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    rows_[static_cast<std::size_t>(index.row())].ticked =
        static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags LicenseRowsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool proposes = rows_[static_cast<std::size_t>(index.row())].proposes();
    return index.column() == Take && proposes ? shown | Qt::ItemIsUserCheckable : shown;
}

QVariant LicenseRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[ColumnCount] = {"Take",  "Member",      "Call",
                                                    "Field", "In the Roll", "In the FCC File"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section])
                                                 : QVariant();
}

LicensePreviewDialog::LicensePreviewDialog(std::vector<LicenseRow> rows, const QString &summary,
                                           QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LicensePreview"));
    setWindowTitle(updateLicensesTitle());

    auto *label = new QLabel(summary, this);
    label->setObjectName(QStringLiteral("LicenseSummary"));
    label->setWordWrap(true);

    auto *table = new QTableView(this);
    table->setObjectName(QStringLiteral("LicenseRows"));
    // Owned by the view, so that the rows never outlive it.
    model_ = new LicenseRowsModel(std::move(rows), table);
    table->setModel(model_);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("&OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(860, 480);
}

} // namespace tessaly
