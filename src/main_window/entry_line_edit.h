#pragma once

#include "main_window/entry_key_rules.h"

#include <QLineEdit>

namespace tessaly {

// A single-line entry box: applies its kind's key rule to every typed character,
// and keeps double quotes and characters Windows-1252 cannot hold out of its text
// whichever way the text arrives.
class EntryLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    EntryLineEdit(EntryBoxKind kind, QWidget *parent = nullptr);

    EntryBoxKind kind() const { return kind_; }

    // Selects the whole text, also when the focus came with a mouse click that
    // would otherwise drop the selection again.
    void selectAllOnEntry();

  signals:
    void enterPressed();
    // The operator moved the focus into or out of the box.
    void entered();
    void left();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    EntryBoxKind kind_;
    bool hasFocus_ = false;
    bool enteredByMouse_ = false;
    bool selectAllOnRelease_ = false;
};

// Whether a key event is a typed character that the key rules look at: Enter, or
// printable text typed without Ctrl, Alt or Meta. Everything else (shortcuts,
// arrows, Delete, Home, End) goes to the box untouched.
bool isRuledKey(const QKeyEvent &event, QChar *typed);

} // namespace tessaly
