#include "main_window/entry_text_edit.h"

#include "main_window/entry_key_rules.h"
#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_filter.h"
#include "main_window/focus_reasons.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace tessaly {

EntryTextEdit::EntryTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString EntryTextEdit::storedText() const
{
    return storedTextFromBox(toPlainText());
}

void EntryTextEdit::setStoredText(const QString &stored)
{
    setPlainText(filterMultiLineText(boxTextFromStored(stored)));
}

void EntryTextEdit::keyPressEvent(QKeyEvent *event)
{
    QChar typed;
    if (!isRuledKey(*event, &typed)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const KeyEdit edit = keyRule(EntryBoxKind::MultiLine, EntryBoxState{}, typed);
    switch (edit.action) {
    case KeyEdit::Action::Insert:
        if (edit.character == u'\n') {
            // Shift+Enter would insert a line separator of its own; every Enter is a
            // plain line break here.
            insertPlainText(QStringLiteral("\n"));
            ensureCursorVisible();
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
        return;
    case KeyEdit::Action::Ordinary:
        QPlainTextEdit::keyPressEvent(event);
        return;
    case KeyEdit::Action::Discard:
    case KeyEdit::Action::RunAddRecord:
    case KeyEdit::Action::Replace:
        event->accept();
        return;
    }
}

void EntryTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = filterMultiLineText(event->commitString());
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

void EntryTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source == nullptr || !source->hasText())
        return;
    insertPlainText(filterMultiLineText(source->text()));
    ensureCursorVisible();
}

void EntryTextEdit::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    hasFocus_ = true;
    if (!isOperatorFocusChange(event->reason()))
        return;
    emit entered();
}

void EntryTextEdit::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (!isOperatorFocusChange(event->reason()) || !hasFocus_)
        return;
    hasFocus_ = false;
    emit left();
}

} // namespace tessaly
