#include "main_window/entry_line_edit.h"

#include "entry_rules/entry_text_filter.h"

#include <QInputMethodEvent>
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

QString ruledText(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return QString(kEnterKey);
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return {};
    const QString text = event.text();
    for (const QChar c : text) {
        if (!c.isPrint())
            return {};
    }
    return text;
}

EntryLineEdit::EntryLineEdit(EntryBoxKind kind, QWidget *parent)
    : WholeTextLineEdit(parent), kind_(kind)
{
    setValidator(new SingleLineFilter(this));
    connect(this, &QLineEdit::textEdited, this, &EntryLineEdit::edited);
}

bool EntryLineEdit::applyKeyRule(QChar typed)
{
    const EntryBoxState state{text(), hasSelectedText() ? selectionStart() : cursorPosition(),
                              static_cast<int>(selectedText().size())};
    const KeyEdit edit = keyRule(kind_, state, typed);
    switch (edit.action) {
    case KeyEdit::Action::Ordinary:
        return false;
    case KeyEdit::Action::Discard:
        return true;
    case KeyEdit::Action::RunAddRecord:
        emit enterPressed();
        return true;
    case KeyEdit::Action::Insert:
        insert(QString(edit.character));
        return true;
    case KeyEdit::Action::Replace:
        setText(edit.text);
        // Selected backwards, so that the caret stands right after what was typed.
        setSelection(edit.selectionStart + edit.selectionLength, -edit.selectionLength);
        emit edited();
        return true;
    }
    return false;
}

void EntryLineEdit::typeCharacters(const QString &typed)
{
    if (isReadOnly())
        return;
    for (const QChar c : typed) {
        if (!applyKeyRule(c))
            insert(QString(c));
    }
}

void EntryLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = ruledText(*event);
    // A box that cannot be edited still runs Add/Record on Enter; every other key
    // is the box's own, which edits nothing.
    if (isReadOnly() && typed != QString(kEnterKey)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A single ordinary character is left to the box, which handles it as always.
    if (typed.isEmpty() || (typed.size() == 1 && !applyKeyRule(typed.at(0)))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() > 1)
        typeCharacters(typed);
    event->accept();
}

void EntryLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = filterSingleLineText(event->commitString());
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The box takes the rest of the event (the text the commit replaces, a new
    // composition) without the committed text, which is then typed character by
    // character through the same rules as the keyboard.
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    rest.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&rest);
    typeCharacters(commit);
    event->accept();
}

} // namespace tessaly
