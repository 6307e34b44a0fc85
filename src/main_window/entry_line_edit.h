#pragma once

#include "entry_rules/entry_key_rules.h"
#include "forms/whole_text_line_edit.h"

namespace tessaly {

// A single-line entry box: applies its kind's key rule to every typed character,
// from the keyboard (AltGr and compose included) or from an input method, and
// keeps double quotes and characters Windows-1252 cannot hold out of its text
// whichever way the text arrives.
class EntryLineEdit : public WholeTextLineEdit {
    Q_OBJECT

  public:
    EntryLineEdit(EntryBoxKind kind, QWidget *parent = nullptr);

    EntryBoxKind kind() const { return kind_; }

  signals:
    void enterPressed();
    // The operator changed the text: typed, pasted, dropped or completed by a key rule;
    // never a text the program set.
    void edited();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

  private:
    // Returns false when the character is to be handled in the ordinary way.
    bool applyKeyRule(QChar typed);
    void typeCharacters(const QString &typed);

    EntryBoxKind kind_;
};

// The characters of a key event that the key rules look at: Enter as kEnterKey,
// or the printable text of the key, as the box itself would insert it (AltGr,
// that is Ctrl+Alt, included; Ctrl alone is a shortcut). Empty for everything
// the box handles untouched: shortcuts, arrows, Backspace, Delete, Home, End.
QString ruledText(const QKeyEvent &event);

} // namespace tessaly
