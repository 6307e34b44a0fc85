#include "main_window/entry_line_edit.h"

#include "main_window/entry_text_filter.h"
#include "main_window/focus_reasons.h"

#include <QKeyEvent>
#include <QValidator>

namespace tessaly {

namespace {

// Rewrites whatever reaches the box (typing, paste, drop, input method) so that it
// holds only what the data file can take.
class SingleLineFilter final : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString filtered = filterSingleLineText(input);
        if (filtered.size() != input.size()) {
            pos -= static_cast<int>(input.left(pos).size() -
                                    filterSingleLineText(input.left(pos)).size());
            input = filtered;
        }
        return Acceptable;
    }
};

} // namespace

bool isRuledKey(const QKeyEvent &event, QChar *typed)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        *typed = kEnterKey;
        return true;
    }
    constexpr auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & commandModifiers)
        return false;
    const QString text = event.text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return false;
    *typed = text.at(0);
    return true;
}

EntryLineEdit::EntryLineEdit(EntryBoxKind kind, QWidget *parent) : QLineEdit(parent), kind_(kind)
{
    setValidator(new SingleLineFilter(this));
}

void EntryLineEdit::selectAllOnEntry()
{
    selectAll();
    selectAllOnRelease_ = enteredByMouse_;
}

void EntryLineEdit::keyPressEvent(QKeyEvent *event)
{
    QChar typed;
    if (!isRuledKey(*event, &typed)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const EntryBoxState state{text(), hasSelectedText() ? selectionStart() : cursorPosition(),
                              static_cast<int>(selectedText().size())};
    const KeyEdit edit = keyRule(kind_, state, typed);
    switch (edit.action) {
    case KeyEdit::Action::Ordinary:
        QLineEdit::keyPressEvent(event);
        return;
    case KeyEdit::Action::Discard:
        event->accept();
        return;
    case KeyEdit::Action::RunAddRecord:
        event->accept();
        emit enterPressed();
        return;
    case KeyEdit::Action::Insert: {
        QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(edit.character),
                          event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&changed);
        event->setAccepted(changed.isAccepted());
        return;
    }
    case KeyEdit::Action::Replace:
        setText(edit.text);
        // Selected backwards, so that the caret stands right after what was typed.
        setSelection(edit.selectionStart + edit.selectionLength, -edit.selectionLength);
        event->accept();
        return;
    }
}

void EntryLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    hasFocus_ = true;
    if (!isOperatorFocusChange(event->reason()))
        return;
    enteredByMouse_ = event->reason() == Qt::MouseFocusReason;
    selectAllOnRelease_ = false;
    emit entered();
}

void EntryLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A box can be told it lost the focus it never got: the focus was on its way
    // here when a rule sent it back to the box it came from.
    if (!isOperatorFocusChange(event->reason()) || !hasFocus_)
        return;
    hasFocus_ = false;
    selectAllOnRelease_ = false;
    emit left();
}

void EntryLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (selectAllOnRelease_) {
        selectAllOnRelease_ = false;
        selectAll();
    }
}

} // namespace tessaly
