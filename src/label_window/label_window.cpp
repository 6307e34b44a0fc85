#include "label_window/label_window.h"

#include "forms/control_table.h"
#include "forms/enter_key.h"
#include "forms/focus_watcher.h"
#include "forms/page_preview.h"
#include "forms/picture_button.h"
#include "forms/printer_choice.h"
#include "forms/screen_scale.h"
#include "label_rules/label_page.h"
#include "label_rules/label_plan.h"
#include "label_rules/label_request.h"
#include "label_rules/label_settings.h"
#include "label_rules/label_sheets.h"
#include "label_window/label_window_controls.h"
#include "label_window/label_window_texts.h"
#include "roll/roll_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tessaly {

// A box of the window: digits and "." only, typed; what arrives otherwise is put
// right by the box's leave rule.
class LabelNumberBox : public QLineEdit {
  public:
    LabelNumberBox(LabelBox role, const QString &text, QWidget *parent)
        : QLineEdit(text, parent), role_(role)
    {
    }
    LabelBox role() const { return role_; }

    // A value the program puts in the box shows from its first character; QLineEdit would
    // show its end, and ".15625" would read "15625".
    void showValue(const QString &text)
    {
        if (text != this->text())
            setText(text);
        setCursorPosition(0);
    }

    // The width at which the box shows sample whole in its font, measured as QLineEdit
    // measures its own size.
    int widthFor(const QString &sample) const
    {
        ensurePolished();
        QStyleOptionFrame option;
        initStyleOption(&option);
        constexpr int kQLineEditMargin = 2; // on either side of the text
        const QMargins margins = textMargins();
        const int caret = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
        const QSize text(fontMetrics().horizontalAdvance(sample) + 2 * kQLineEditMargin +
                             margins.left() + margins.right() + caret,
                         height());
        return style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this).width();
    }

  protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QString text = event->text();
        const bool typed = text.size() == 1 && (text.at(0).isPrint() || text.at(0) == QChar(8));
        if (typed && event->key() != Qt::Key_Backspace && !labelKeyPasses(text.at(0))) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

  private:
    LabelBox role_;
};

namespace {

std::size_t slotOf(LabelBox role)
{
    return static_cast<std::size_t>(role);
}

// The boxes a sheet of the list fills, in LabelLayout order.
constexpr LabelBox kSheetBoxes[] = {LabelBox::Rows,        LabelBox::Columns,
                                    LabelBox::TopMargin,   LabelBox::LeftMargin,
                                    LabelBox::LabelHeight, LabelBox::LabelWidth};

} // namespace

LabelWindow::LabelWindow(const RollSession &roll, std::vector<int> listed, Platform &platform,
                         QWidget *parent)
    : QDialog(parent), roll_(roll), listed_(std::move(listed)), platform_(platform),
      geometry_(kLabelDesignClientWidth, kLabelDesignClientHeight),
      focusWatcher_(std::make_unique<FocusWatcher>())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(labelWindowTitle());
    setModal(true);
    buildControls();
    scaleToScreen(this, geometry_, platform_.desktop);
    widenBoxes();
    fillSheetList();
    fillFontList();
    offerPrinters(platform_.printer, printers_, copies_, noPrinterEntry());
    readSettings();
    showMatchingSheet();
    connectControls();
}

LabelWindow::~LabelWindow() = default;

void LabelWindow::buildControls()
{
    ControlBuilder builder(geometry_);
    builder.build(labelControls(), [this](const LabelControlSpec &design) -> QWidget * {
        switch (design.kind) {
        case LabelControlKind::NumberBox: {
            auto *numberBox = new LabelNumberBox(design.box, design.caption, this);
            boxes_[slotOf(design.box)] = numberBox;
            focusWatcher_->watch(numberBox);
            return numberBox;
        }
        case LabelControlKind::Caption:
            return new QLabel(design.caption, this);
        case LabelControlKind::SheetList:
            sheets_ = new QComboBox(this);
            sheets_->setAccessibleName(QStringLiteral("Sheet"));
            return sheets_;
        case LabelControlKind::FontList:
            fonts_ = new QListWidget(this);
            fonts_->setSelectionMode(QAbstractItemView::SingleSelection);
            fonts_->setAccessibleName(QStringLiteral("Font"));
            return fonts_;
        case LabelControlKind::Preview:
            preview_ = new QLabel(design.caption, this);
            preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return preview_;
        case LabelControlKind::HouseholdBox:
            households_ = new QCheckBox(design.caption, this);
            return households_;
        case LabelControlKind::PrinterList:
            printers_ = new QComboBox(this);
            printers_->setAccessibleName(QStringLiteral("Printer"));
            return printers_;
        case LabelControlKind::CopiesBox:
            copies_ = new QSpinBox(this);
            copies_->setAccessibleName(QStringLiteral("Copies"));
            return copies_;
        case LabelControlKind::PrintButton:
            printButton_ = new PictureButton(ButtonPicture::Print, this);
            printButton_->setText(design.caption);
            printButton_->setAutoDefault(false);
            pressOnEnter(printButton_);
            return printButton_;
        case LabelControlKind::PreviewButton:
            previewButton_ = new QPushButton(design.caption, this);
            previewButton_->setAutoDefault(false);
            pressOnEnter(previewButton_);
            return previewButton_;
        }
        return nullptr;
    });
    builder.setTabOrder();
    boxes_[slotOf(LabelBox::Rows)]->setFocus();
}

void LabelWindow::widenBoxes()
{
    // The design cut the boxes for a narrower font than most systems have: each must show the
    // longest measure of the sheet list whole. A control beside a box on its row moves right
    // as far as it must to keep a letter's width from the box.
    const QString longest = QStringLiteral("0.15625");
    for (LabelNumberBox *numberBox : boxes_) {
        const QRect was = numberBox->geometry();
        const int wanted = numberBox->widthFor(longest);
        if (wanted <= was.width())
            continue;
        numberBox->resize(wanted, was.height());
        const int room =
            numberBox->geometry().right() + numberBox->fontMetrics().averageCharWidth();
        for (QWidget *beside : geometry_.controls()) {
            const QRect at = beside->geometry();
            const bool onRow = at.top() <= was.bottom() && at.bottom() >= was.top();
            if (beside != numberBox && onRow && at.left() > was.right() && at.left() < room)
                beside->move(room, at.top());
        }
    }
}

void LabelWindow::connectControls()
{
    connect(focusWatcher_.get(), &FocusWatcher::left, this, &LabelWindow::boxLeft);
    connect(box(LabelBox::FontSize), &QLineEdit::textChanged, this, &LabelWindow::sizeTyped);
    connect(fonts_, &QListWidget::currentTextChanged, this, [this](const QString &family) {
        QFont font = preview_->font();
        font.setFamily(family);
        preview_->setFont(font);
    });
    connect(printButton_, &QPushButton::clicked, this, &LabelWindow::print);
    connect(previewButton_, &QPushButton::clicked, this, &LabelWindow::preview);
    connect(sheets_, &QComboBox::activated, this, &LabelWindow::sheetChosen);
    // Whatever changes a measurement, typing, pasting or a leave rule, the list follows.
    for (LabelBox which : kSheetBoxes)
        connect(box(which), &QLineEdit::textChanged, this, &LabelWindow::showMatchingSheet);
}

LabelNumberBox *LabelWindow::box(LabelBox which) const
{
    return boxes_[slotOf(which)];
}

LabelBoxTexts LabelWindow::boxTexts() const
{
    LabelBoxTexts texts;
    for (std::size_t b = 0; b < kBoxCount; ++b)
        texts[b] = boxes_[b]->text();
    return texts;
}

void LabelWindow::fillSheetList()
{
    for (const LabelSheet &sheet : labelSheets())
        sheets_->addItem(QString::fromUtf8(sheet.name));
    sheets_->addItem(customSheetName());
}

void LabelWindow::sheetChosen(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= labelSheets().size())
        return;
    const LabelSheet &sheet = labelSheets()[static_cast<std::size_t>(index)];
    const float values[] = {sheet.rowsPerPage, sheet.columnsPerPage, sheet.topMargin,
                            sheet.leftMargin,  sheet.labelHeight,    sheet.labelWidth};
    for (std::size_t n = 0; n < std::size(kSheetBoxes); ++n)
        box(kSheetBoxes[n])->showValue(layoutValueText(values[n]));
    // A start column the new sheet does not have goes back to 1, as on leaving its box.
    LabelNumberBox *column = box(LabelBox::StartColumn);
    column->showValue(
        leaveText(LabelBox::StartColumn, column->text(), box(LabelBox::Columns)->text()));
}

void LabelWindow::showMatchingSheet()
{
    const std::optional<std::size_t> sheet = matchingSheet(boxTexts());
    sheets_->setCurrentIndex(sheet ? static_cast<int>(*sheet) : sheets_->count() - 1);
}

void LabelWindow::fillFontList()
{
    const std::optional<QStringList> families = platform_.printer.fontFamilies();
    if (!families) {
        platform_.messages.inform(noDefaultFontMessage(), noDefaultFontTitle());
    } else {
        QStringList sorted = *families;
        sorted.sort(Qt::CaseInsensitive);
        fonts_->addItems(sorted);
    }
    const std::optional<QString> current = platform_.printer.currentFont();
    if (!current) {
        platform_.messages.inform(noDefaultFontMessage(), noDefaultFontTitle());
        return;
    }
    const QList<QListWidgetItem *> matching =
        fonts_->findItems(*current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!matching.isEmpty())
        fonts_->setCurrentItem(matching.constFirst());
    QFont font = preview_->font();
    font.setFamily(*current);
    preview_->setFont(font);
}

void LabelWindow::readSettings()
{
    const std::optional<LabelLayout> layout = readLabelSettings(roll_.startDirectory());
    if (!layout) {
        platform_.messages.inform(settingsFileErrorMessage(), settingsFileErrorTitle());
        return;
    }
    const std::pair<LabelBox, float> shown[] = {
        {LabelBox::Rows, layout->rowsPerPage},        {LabelBox::Columns, layout->columnsPerPage},
        {LabelBox::TopMargin, layout->topMargin},     {LabelBox::LeftMargin, layout->leftMargin},
        {LabelBox::LabelHeight, layout->labelHeight}, {LabelBox::LabelWidth, layout->labelWidth},
        {LabelBox::FontSize, layout->fontSize},
    };
    for (const auto &[which, value] : shown)
        box(which)->showValue(layoutValueText(value));
    setPreviewSize(static_cast<double>(layout->fontSize));
}

void LabelWindow::boxLeft(QWidget *control)
{
    auto *left = static_cast<LabelNumberBox *>(control);
    const QString text = leaveText(left->role(), left->text(), box(LabelBox::Columns)->text());
    // Left, the box shows its value from the start, as every value the program puts there.
    left->showValue(text);
    if (left->role() == LabelBox::FontSize)
        setPreviewSize(numericValue(text).value_or(10));
}

void LabelWindow::sizeTyped(const QString &text)
{
    if (const std::optional<double> size = previewSizeWhileTyping(text))
        setPreviewSize(*size);
}

void LabelWindow::setPreviewSize(double points)
{
    QFont font = preview_->font();
    font.setPointSizeF(points);
    preview_->setFont(font);
}

bool LabelWindow::refused(const std::optional<RequestProblem> &problem)
{
    if (!problem)
        return false;
    platform_.messages.inform(problem->message, layoutRefusedTitle());
    focusWatcher_->giveFocus(box(problem->box));
    return true;
}

QString LabelWindow::chosenFont() const
{
    const QListWidgetItem *font = fonts_->currentItem();
    return font != nullptr ? font->text() : QString();
}

std::optional<LabelWindow::CheckedLabels> LabelWindow::checkedPlan()
{
    // Only a text pasted into a box and never left there can fail to read as a number; it is
    // told as a bad layout is, so that the operator learns which box to put right.
    LabelBox unreadable = LabelBox::Rows;
    const std::optional<LabelRequest> request = requestFromTexts(boxTexts(), &unreadable);
    if (!request) {
        refused(notNumericProblem(unreadable));
        return std::nullopt;
    }
    if (refused(checkLabelRequest(*request)))
        return std::nullopt;
    const LabelCounts counts = labelCounts(*request);
    const LabelGrouping grouping =
        households_->isChecked() ? LabelGrouping::PerHousehold : LabelGrouping::PerMember;
    return CheckedLabels{*request, planLabels(roll_.store(), listed_, request->layout,
                                              counts.startRow, counts.startColumn, grouping)};
}

void LabelWindow::print()
{
    // A layout that cannot be printed is refused before anything is written, and the
    // window stays open so that the operator can put it right.
    const std::optional<CheckedLabels> checked = checkedPlan();
    if (!checked)
        return;
    const LabelLayout &layout = checked->request.layout;
    const Outcome written = writeLabelSettings(roll_.startDirectory(), layout);
    if (!written.ok()) {
        finishPrinting(fileNotWritten(written.file, written.reason));
        return;
    }
    const LabelLettering lettering{chosenFont(), static_cast<double>(layout.fontSize), {}};
    platform_.printer.rememberFont(lettering.fontFamily);
    finishPrinting(
        platform_.printer.print(labelDocument(checked->plan, lettering, labelPaper(layout))));
}

// What "&Print" would print now, drawn by the same renderer, with the sheet's labels
// outlined; nothing is written. The preview's "&Print" is this window's.
void LabelWindow::preview()
{
    const std::optional<CheckedLabels> checked = checkedPlan();
    if (!checked)
        return;
    const LabelPlan &plan = checked->plan;
    if (plan.labels.empty()) {
        platform_.messages.inform(nothingToPreviewMessage(), previewTitle());
        return;
    }
    // A sheet of the list outlines its labels as they are; other sheets, their pitches.
    const LabelLayout &layout = checked->request.layout;
    const std::optional<std::size_t> sheet = matchingSheet(layout);
    const Inches width = Inches::typed(sheet ? labelSheets()[*sheet].width : layout.labelWidth);
    const Inches height = Inches::typed(sheet ? labelSheets()[*sheet].height : layout.labelHeight);
    const LabelLettering lettering{chosenFont(), static_cast<double>(layout.fontSize),
                                   sheetCells(layout, width, height)};

    auto *dialog =
        new PagePreviewDialog(previewTitle(), QStringLiteral("LabelPreview"),
                              previewSummary(static_cast<int>(plan.labels.size()), plan.pages),
                              platform_.desktop.workArea(), this);
    dialog->showPages(platform_.printer.pageArea(pageSizeOf(labelPaper(layout))), plan.pages,
                      [plan, lettering](QPainter &painter, int page) {
                          paintLabelPage(painter, plan, page, lettering);
                      });
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    connect(dialog, &QDialog::accepted, this, &LabelWindow::print);
    dialog->open();
}

void LabelWindow::finishPrinting(const PrintResult &printed)
{
    // Told over this window, which then hides itself as after every print. The message box
    // took the focus from it, and nothing would give the focus to the window that opened
    // this one: its keys would do nothing until a click.
    tellPrintResult(platform_.messages, printed, printedLabels());
    accept();
    if (QWidget *opener = parentWidget())
        opener->window()->activateWindow();
}

} // namespace tessaly
