#include "labels/label_window.h"

#include "forms/focus_watcher.h"
#include "forms/picture_button.h"
#include "forms/screen_scale.h"
#include "labels/label_plan.h"
#include "labels/label_printing.h"
#include "labels/label_request.h"
#include "labels/label_settings.h"
#include "labels/label_window_controls.h"
#include "labels/label_window_texts.h"
#include "roll/roll_session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

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
    fillFontList();
    readSettings();
    connectControls();
}

LabelWindow::~LabelWindow() = default;

void LabelWindow::buildControls()
{
    std::vector<QWidget *> tabOrder;
    for (const LabelControlSpec &design : labelControls()) {
        QWidget *control = nullptr;
        switch (design.kind) {
        case LabelControlKind::NumberBox: {
            auto *numberBox = new LabelNumberBox(design.box, design.text, this);
            boxes_[slotOf(design.box)] = numberBox;
            focusWatcher_->watch(numberBox);
            control = numberBox;
            break;
        }
        case LabelControlKind::Caption:
            control = new QLabel(design.text, this);
            break;
        case LabelControlKind::FontList:
            fonts_ = new QListWidget(this);
            fonts_->setSelectionMode(QAbstractItemView::SingleSelection);
            fonts_->setAccessibleName(QStringLiteral("Font"));
            control = fonts_;
            break;
        case LabelControlKind::Preview:
            preview_ = new QLabel(design.text, this);
            preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            control = preview_;
            break;
        case LabelControlKind::PrintButton:
            printButton_ = new PictureButton(ButtonPicture::Print, this);
            printButton_->setText(design.text);
            printButton_->setAutoDefault(false);
            control = printButton_;
            break;
        }
        control->setObjectName(design.id);
        control->setToolTip(design.toolTip);
        geometry_.place(control, design.rect);
        if (design.kind != LabelControlKind::Caption && design.kind != LabelControlKind::Preview)
            tabOrder.push_back(control);
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    boxes_[slotOf(LabelBox::Rows)]->setFocus();
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
}

LabelNumberBox *LabelWindow::box(LabelBox which) const
{
    return boxes_[slotOf(which)];
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
        box(which)->setText(layoutValueText(value));
    setPreviewSize(static_cast<double>(layout->fontSize));
}

void LabelWindow::boxLeft(QWidget *control)
{
    auto *left = static_cast<LabelNumberBox *>(control);
    const QString text = leaveText(left->role(), left->text(), box(LabelBox::Columns)->text());
    if (text != left->text())
        left->setText(text);
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

void LabelWindow::print()
{
    std::array<double, kBoxCount> values{};
    for (std::size_t b = 0; b < kBoxCount; ++b) {
        const std::optional<double> value = numericValue(boxes_[b]->text());
        // Only a text that reached the box by pasting and was never left can be no number.
        if (!value) {
            printerError();
            return;
        }
        values[b] = *value;
    }
    const auto valueOf = [&values](LabelBox which) { return values[slotOf(which)]; };
    LabelRequest request;
    request.layout.rowsPerPage = static_cast<float>(valueOf(LabelBox::Rows));
    request.layout.columnsPerPage = static_cast<float>(valueOf(LabelBox::Columns));
    request.layout.topMargin = static_cast<float>(valueOf(LabelBox::TopMargin));
    request.layout.leftMargin = static_cast<float>(valueOf(LabelBox::LeftMargin));
    request.layout.labelHeight = static_cast<float>(valueOf(LabelBox::LabelHeight));
    request.layout.labelWidth = static_cast<float>(valueOf(LabelBox::LabelWidth));
    request.layout.fontSize = static_cast<float>(valueOf(LabelBox::FontSize));
    request.startRow = valueOf(LabelBox::StartRow);
    request.startColumn = valueOf(LabelBox::StartColumn);

    // A layout that cannot be printed is refused before anything is written, and the
    // window stays open so that the operator can put it right.
    if (const std::optional<RequestProblem> problem = checkLabelRequest(request)) {
        platform_.messages.inform(problem->message, layoutRefusedTitle());
        box(problem->box)->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!writeLabelSettings(roll_.startDirectory(), request.layout).ok()) {
        printerError();
        return;
    }
    const LabelCounts counts = labelCounts(request);
    const LabelPlan plan =
        planLabels(roll_.store(), listed_, request.layout, counts.startRow, counts.startColumn);
    const QListWidgetItem *font = fonts_->currentItem();
    const Outcome printed =
        printLabels(platform_.printer, plan, font != nullptr ? font->text() : QString(),
                    static_cast<double>(request.layout.fontSize));
    if (!printed.ok()) {
        printerError();
        return;
    }
    hide();
    if (!platform_.printer.lastFile().isEmpty() && !plan.labels.empty())
        platform_.messages.inform(labelsSavedMessage(platform_.printer.lastFile()),
                                  labelsSavedTitle());
    accept();
}

void LabelWindow::printerError()
{
    platform_.messages.beep();
    platform_.messages.inform(printerErrorMessage(), printerErrorTitle());
    accept();
}

} // namespace tessaly
