#include "main_window/main_window.h"

#include "main_window/address_exports.h"
#include "main_window/date_box_rules.h"
#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_filter.h"
#include "main_window/focus_reasons.h"
#include "main_window/main_window_look.h"
#include "main_window/main_window_texts.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessaly {

void MainWindow::setEntryMode(EntryMode mode)
{
    mode_ = mode;
    addButton_->setText(mode == EntryMode::Add ? QStringLiteral("&Add")
                                               : QStringLiteral("&Record"));
}

void MainWindow::quickcopy()
{
    quickCopyBox_->setPlainText(boxTextFromStored(quickCopyText(form_.addressBoxes())));
}

void MainWindow::leaveAddressBox()
{
    if (!commandMovingFocus_)
        quickcopy();
}

void MainWindow::proposeDate(EntryLineEdit *box)
{
    if (!box->text().isEmpty())
        return;
    box->setText(proposedDateText(platform_.clock.today()));
    box->selectAllOnEntry();
}

void MainWindow::checkDateOnLeave(EntryLineEdit *box)
{
    // The message box takes the focus, and giving it back moves it again: neither
    // is the operator leaving a box.
    if (dateMessageUp_)
        return;
    const DateBoxLeave outcome = leaveDateBox(box->text(), platform_.clock.today());
    if (box->text() != outcome.text)
        box->setText(outcome.text);
    if (outcome.valid)
        return;
    dateMessageUp_ = true;
    platform_.messages.beep();
    platform_.messages.inform(invalidDateMessage(), invalidDateTitle());
    box->setFocus(Qt::OtherFocusReason);
    dateMessageUp_ = false;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const bool in = event->type() == QEvent::FocusIn;
        // Entering the search box starts every search from an empty form in Add
        // mode; the focus stays in the search box.
        if (in && watched == searchBox_ &&
            isOperatorFocusChange(static_cast<QFocusEvent *>(event)->reason()))
            emptyEntryArea();
        if (auto *check = qobject_cast<QCheckBox *>(watched)) {
            const auto label = checkLabels_.find(check);
            if (label != checkLabels_.end())
                paintOnBackground(label->second,
                                  in ? focusedCaptionBackground() : captionBackground());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tessaly
