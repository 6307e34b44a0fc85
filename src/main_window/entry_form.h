#pragma once

#include "core/member_record.h"
#include "roll/address_texts.h"

#include <array>
#include <optional>

class QCheckBox;
class QWidget;

namespace tessaly {

class EntryLineEdit;
class EntryTextEdit;

// The entry area seen as one member: which control edits which field, and the
// member's values read from and written to those controls.
class EntryForm {
  public:
    void attach(Field field, EntryLineEdit *box);
    void attach(Field field, EntryTextEdit *box);
    void attach(Field field, QCheckBox *box);

    QWidget *control(Field field) const;
    // The field control edits, nullopt for a control that edits none.
    std::optional<Field> fieldOf(const QWidget *control) const;
    // Whether control is one of the eight boxes whose contents make the Quick Copy block.
    bool isAddressBox(const QWidget *control) const;

    // A box holds at most this many characters: a one-line box cannot hold more, and
    // a multi-line box lays out a paragraph of a megabyte for half a second. A longer
    // value (written by another program) shows only its beginning in a box that cannot
    // be edited, and the member keeps the whole value when recorded.
    static constexpr int kLongestShownValue = 32767;

    // Box texts exactly as they stand, or the whole value a box shows only in part; a
    // ticked check box gives "Y", a clear one "N".
    MemberRecord read() const;
    // A yes/no field ticks its box when it holds "Y" in either case.
    void show(const MemberRecord &record);
    // Whether control shows only the beginning of its value (and cannot be edited).
    bool showsPart(const QWidget *control) const;
    // Empties every box and clears every check box.
    void clear();

    AddressBoxes addressBoxes() const;

  private:
    QString text(Field field) const;
    void setText(Field field, const QString &value);

    struct Slot {
        EntryLineEdit *line = nullptr;
        EntryTextEdit *multiLine = nullptr;
        QCheckBox *check = nullptr;
        // While the box shows only the beginning of a value: the whole value, and the
        // box's own tooltip, which the note on the cut stands in for.
        QString whole;
        QString ownToolTip;
    };
    std::array<Slot, kFieldCount> slots_{};
};

} // namespace tessaly
