#include "import_window/import_dialog.h"

#include "core/member_columns.h"
#include "import_rules/import_texts.h"
#include "import_rules/sheet_file.h"
#include "import_window/import_preview_model.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly {

namespace {

constexpr int kNotImported = -1;

} // namespace

ImportDialog::ImportDialog(RollSession &roll, Platform &platform, const QString &path,
                           QByteArray bytes, QWidget *parent)
    : QDialog(parent), roll_(roll), platform_(platform), path_(path),
      sheet_(std::move(bytes), roll.store(), [&platform] { return platform.clock.today(); })
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(importTitle());
    buildControls();

    encoding_->setCurrentIndex(sheet_.encoding() == SheetEncoding::Utf8 ? 0 : 1);
    separator_->setCurrentIndex(static_cast<int>(sheet_.separator()));
    buildFieldChoices();
    showMatches();

    connect(encoding_, &QComboBox::currentIndexChanged, this, &ImportDialog::readSheet);
    connect(separator_, &QComboBox::currentIndexChanged, this, &ImportDialog::readSheet);
    connect(addDuplicates_, &QCheckBox::toggled, this, &ImportDialog::refresh);
    connect(acceptReplacements_, &QCheckBox::toggled, this, &ImportDialog::refresh);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ImportDialog::importRows);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const QRect area = platform_.desktop.workArea();
    resize(std::min(1100, area.width() * 9 / 10), std::min(640, area.height() * 9 / 10));
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::buildControls()
{
    auto *file = new QLabel(QStringLiteral("File: %1").arg(QDir::toNativeSeparators(path_)));
    file->setObjectName(QStringLiteral("fileName"));
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    encoding_ = new QComboBox;
    encoding_->setObjectName(QStringLiteral("encodingChoice"));
    encoding_->addItems({QStringLiteral("UTF-8"), QStringLiteral("Windows-1252")});
    separator_ = new QComboBox;
    separator_->setObjectName(QStringLiteral("separatorChoice"));
    // In the order of SheetSeparator.
    separator_->addItems(
        {QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Tab")});
    auto *encodingLabel = new QLabel(QStringLiteral("&Encoding:"));
    encodingLabel->setBuddy(encoding_);
    auto *separatorLabel = new QLabel(QStringLiteral("&Separator:"));
    separatorLabel->setBuddy(separator_);
    auto *reading = new QHBoxLayout;
    reading->addWidget(encodingLabel);
    reading->addWidget(encoding_);
    reading->addSpacing(16);
    reading->addWidget(separatorLabel);
    reading->addWidget(separator_);
    reading->addStretch();

    model_ = new ImportPreviewModel(sheet_, this);
    preview_ = new QTableView;
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setModel(model_);
    preview_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setWordWrap(false);
    preview_->verticalHeader()->setDefaultSectionSize(preview_->fontMetrics().height() + 6);

    fieldPanel_ = new QWidget;
    fieldForm_ = new QFormLayout(fieldPanel_);
    fieldScroll_ = new QScrollArea;
    fieldScroll_->setWidget(fieldPanel_);
    fieldScroll_->setWidgetResizable(true);
    fieldScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *columns = new QGroupBox(QStringLiteral("Columns"));
    auto *columnsLayout = new QVBoxLayout(columns);
    columnsLayout->addWidget(fieldScroll_);

    auto *middle = new QHBoxLayout;
    middle->addWidget(preview_, 3);
    middle->addWidget(columns, 1);

    addDuplicates_ = new QCheckBox;
    addDuplicates_->setObjectName(QStringLiteral("addDuplicates"));
    acceptReplacements_ = new QCheckBox;
    acceptReplacements_->setObjectName(QStringLiteral("acceptReplacements"));
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addLayout(reading);
    layout->addLayout(middle, 1);
    layout->addWidget(addDuplicates_);
    layout->addWidget(acceptReplacements_);
    layout->addWidget(summary_);
    layout->addWidget(buttons_);
}

void ImportDialog::readSheet()
{
    sheet_.read(encoding_->currentIndex() == 0 ? SheetEncoding::Utf8 : SheetEncoding::Windows1252,
                static_cast<SheetSeparator>(separator_->currentIndex()));
    buildFieldChoices();
    showMatches();
}

void ImportDialog::buildFieldChoices()
{
    while (fieldForm_->rowCount() > 0)
        fieldForm_->removeRow(0);
    fieldChoices_.clear();
    const QStringList &headers = sheet_.headers();
    for (int column = 0; column < static_cast<int>(sheet_.matches().size()); ++column) {
        auto *choice = new QComboBox;
        choice->setObjectName(QStringLiteral("fieldChoice%1").arg(column + 1));
        choice->addItem(notImportedText(), kNotImported);
        for (const MemberColumn &field : kMemberColumns)
            choice->addItem(field.header.toString(), static_cast<int>(field.field));
        choice->setAccessibleName(sheetColumnName(headers, column));
        fieldForm_->addRow(sheetColumnName(headers, column), choice);
        connect(choice, &QComboBox::activated, this,
                [this, column](int index) { fieldChosen(column, index); });
        fieldChoices_.push_back(choice);
    }
    // Every column's name and choice in full; only the list of them scrolls.
    fieldScroll_->setMinimumWidth(fieldPanel_->sizeHint().width() +
                                  fieldScroll_->verticalScrollBar()->sizeHint().width() +
                                  2 * fieldScroll_->frameWidth());
}

void ImportDialog::fieldChosen(int column, int choice)
{
    const int value = fieldChoices_[static_cast<std::size_t>(column)]->itemData(choice).toInt();
    sheet_.matchColumn(column, value == kNotImported
                                   ? std::nullopt
                                   : std::optional<Field>(static_cast<Field>(value)));
    showMatches();
}

void ImportDialog::showMatches()
{
    // A choice may have taken its field from another column.
    for (std::size_t column = 0; column < fieldChoices_.size(); ++column) {
        QComboBox *choice = fieldChoices_[column];
        const std::optional<Field> field = sheet_.matches()[column];
        const QSignalBlocker quiet(choice);
        choice->setCurrentIndex(choice->findData(field ? static_cast<int>(*field) : kNotImported));
    }
    refresh();
}

void ImportDialog::refresh()
{
    sheet_.setChoices({addDuplicates_->isChecked(), acceptReplacements_->isChecked()});
    const int duplicates = sheet_.duplicateRows();
    const int replaced = sheet_.replacedRows();
    addDuplicates_->setText(addDuplicatesText(duplicates));
    addDuplicates_->setEnabled(duplicates > 0);
    acceptReplacements_->setText(acceptReplacementsText(replaced));
    acceptReplacements_->setEnabled(replaced > 0);

    model_->refresh();
    summary_->setText(sheet_.summary(std::max(RollSession::kAddLimit - roll_.count(), 0)));
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(sheet_.anyColumnImported() && !sheet_.plan().rows.empty());
}

void ImportDialog::importRows()
{
    // Told before the members are made: a sheet far past the limit would take many times
    // its size in them.
    const int adding = sheet_.tally().added;
    if (roll_.writable() && roll_.count() + adding > RollSession::kAddLimit) {
        platform_.messages.inform(overLimitMessage(roll_.count(), adding, RollSession::kAddLimit),
                                  importTitle());
        return;
    }
    const std::vector<MemberRecord> members = sheet_.membersToAdd();
    const Outcome outcome = roll_.addMembers(members);
    if (outcome.status == Outcome::Status::Refused) {
        // A roll only to be read has told why itself; otherwise the rows would bring
        // the roll past the most it takes. The dialog stays open to leave rows out.
        if (roll_.writable())
            platform_.messages.inform(overLimitMessage(roll_.count(),
                                                       static_cast<int>(members.size()),
                                                       RollSession::kAddLimit),
                                      importTitle());
        return;
    }
    if (outcome.failed())
        platform_.messages.inform(saveFailureMessage(outcome.file, outcome.reason),
                                  saveFailureTitle());
    platform_.messages.inform(sheet_.resultMessage(QFileInfo(path_).fileName()), importTitle());
    accept();
}

bool importMembersFromSheet(RollSession &roll, Platform &platform, QWidget *parent)
{
    const QString path =
        platform.files.chooseFileToOpen(importTitle(), roll.startDirectory(), sheetFileFilter());
    if (path.isEmpty())
        return false;
    const SheetFile sheet = readSheetFile(path);
    if (!sheet.outcome.ok()) {
        platform.messages.inform(sheetUnreadableMessage(path, sheet.outcome.reason), importTitle());
        return false;
    }
    ImportDialog dialog(roll, platform, path, sheet.bytes, parent);
    if (!dialog.sheet().hasDataRows() && dialog.sheet().misplacedQuotes().empty()) {
        const std::optional<UnclosedQuote> &unclosed = dialog.sheet().unclosedQuote();
        const std::optional<MisplacedQuote> &misplaced = dialog.sheet().headerMisplacedQuote();
        QString text = noDataRowsMessage(path);
        if (unclosed)
            text = sheetUnreadableMessage(path, headerQuoteNeverClosedReason(unclosed->line));
        else if (misplaced)
            text = sheetUnreadableMessage(path, headerMisplacedQuoteReason(misplaced->lastRow));
        platform.messages.inform(text, importTitle());
        return false;
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tessaly
