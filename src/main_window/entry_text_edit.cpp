#include "main_window/entry_text_edit.h"

#include "entry_rules/entry_key_rules.h"
#include "entry_rules/entry_text_filter.h"
#include "forms/document_text.h"
#include "main_window/entry_line_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>

namespace tessaly {

namespace {

// Far more than any box shows on one line, far less than what takes a noticeable time.
constexpr qsizetype kLongestWordWrapped = 1000;

QTextOption::WrapMode wrappingFor(const QString &text)
{
    return longestUnbrokenRun(text) > kLongestWordWrapped
               ? QTextOption::WrapAnywhere
               : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

} // namespace

void setWrappedText(QPlainTextEdit *box, const QString &text)
{
    // A new way of wrapping lays out again the text the box holds, and the new
    // text must go in already under its own: the old text leaves first.
    const QTextOption::WrapMode wrapping = wrappingFor(text);
    if (box->wordWrapMode() != wrapping) {
        box->clear();
        box->setWordWrapMode(wrapping);
    }
    box->setPlainText(text);
}

EntryTextEdit::EntryTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_)
            emit edited();
    });
}

QString EntryTextEdit::storedText() const
{
    return storedTextFromBox(documentText(document()));
}

void EntryTextEdit::setStoredText(const QString &stored)
{
    const QScopedValueRollback<bool> setting(settingText_, true);
    setWrappedText(this, filterMultiLineText(boxTextFromStored(stored)));
}

void EntryTextEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = ruledText(*event);
    if (typed.isEmpty() || isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QString kept;
    for (const QChar c : typed) {
        const KeyEdit edit = keyRule(EntryBoxKind::MultiLine, EntryBoxState{}, c);
        if (edit.action == KeyEdit::Action::Insert)
            kept.append(edit.character);
        else if (edit.action == KeyEdit::Action::Ordinary)
            kept.append(c);
    }
    // Shift+Enter would insert a line separator of its own; every Enter is a plain
    // line break here, and what the file cannot hold is dropped however it was typed.
    kept = filterMultiLineText(kept);
    if (!kept.isEmpty()) {
        insertPlainText(kept);
        ensureCursorVisible();
    }
    event->accept();
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
    const QString text = filterMultiLineText(source->text());
    if (wrappingFor(text) == QTextOption::WrapAnywhere)
        setWordWrapMode(QTextOption::WrapAnywhere);
    insertPlainText(text);
    ensureCursorVisible();
}

} // namespace tessaly
