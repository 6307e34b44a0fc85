#pragma once

#include <QChar>
#include <QString>

namespace tessaly {

// The kinds of entry box, each with its own typing rule.
enum class EntryBoxKind {
    CallSign,  // every letter a capital
    Name,      // the first letter typed into an empty box a capital
    StateCode, // completes the two-letter state codes
    Plain,     // no rule of its own
    MultiLine, // Enter makes a new line
    Date,      // digits and "/" only
};

// What the box looks like at the moment of the key. The caret is where the
// selection starts, or the cursor when nothing is selected.
struct EntryBoxState {
    QString text;
    int caret = 0;
    int selectionLength = 0;
};

struct KeyEdit {
    enum class Action {
        Ordinary,     // the box handles the key as it always does
        Discard,      // nothing happens
        Insert,       // character replaces the selection, as if it had been typed
        RunAddRecord, // the Add/Record command runs; the key itself is dropped
        Replace,      // the text becomes text, with the selection given below
    };
    Action action = Action::Ordinary;
    QChar character;
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};

constexpr QChar kEnterKey = QChar(13);
constexpr QChar kBackspaceKey = QChar(8);

// "a" to "z" become capitals; every other character passes unchanged.
QChar capital(QChar c);

// The edit a typed character makes in a box of the given kind. Enter is kEnterKey,
// Backspace kBackspaceKey; any other character is a printable one.
KeyEdit keyRule(EntryBoxKind kind, const EntryBoxState &box, QChar typed);

} // namespace tessaly
