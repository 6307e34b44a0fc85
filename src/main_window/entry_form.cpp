#include "main_window/entry_form.h"

#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_edit.h"
#include "main_window/main_window_controls.h"

#include <QCheckBox>

namespace tessaly {

namespace {

std::size_t slotOf(Field field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

void EntryForm::attach(Field field, EntryLineEdit *box)
{
    slots_[slotOf(field)] = Slot{box, nullptr, nullptr};
}

void EntryForm::attach(Field field, EntryTextEdit *box)
{
    slots_[slotOf(field)] = Slot{nullptr, box, nullptr};
}

void EntryForm::attach(Field field, QCheckBox *box)
{
    slots_[slotOf(field)] = Slot{nullptr, nullptr, box};
}

QWidget *EntryForm::control(Field field) const
{
    const Slot &slot = slots_[slotOf(field)];
    if (slot.line != nullptr)
        return slot.line;
    if (slot.multiLine != nullptr)
        return slot.multiLine;
    return slot.check;
}

bool EntryForm::isAddressBox(const QWidget *control) const
{
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        if (isAddressField(field) && this->control(field) == control)
            return true;
    }
    return false;
}

QString EntryForm::text(Field field) const
{
    const Slot &slot = slots_[slotOf(field)];
    if (slot.line != nullptr)
        return slot.line->text();
    if (slot.multiLine != nullptr)
        return slot.multiLine->storedText();
    if (slot.check != nullptr)
        return slot.check->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    return {};
}

void EntryForm::setText(Field field, const QString &value)
{
    const Slot &slot = slots_[slotOf(field)];
    if (slot.line != nullptr)
        slot.line->setText(value);
    else if (slot.multiLine != nullptr)
        slot.multiLine->setStoredText(value);
    else if (slot.check != nullptr)
        slot.check->setChecked(isYes(value));
}

MemberRecord EntryForm::read() const
{
    MemberRecord record;
    for (int f = 0; f < kFieldCount; ++f)
        record[static_cast<Field>(f)] = text(static_cast<Field>(f));
    return record;
}

void EntryForm::show(const MemberRecord &record)
{
    for (int f = 0; f < kFieldCount; ++f)
        setText(static_cast<Field>(f), record[static_cast<Field>(f)]);
}

void EntryForm::clear()
{
    show(MemberRecord{});
}

AddressBoxes EntryForm::addressBoxes() const
{
    return AddressBoxes{text(Field::Call),     text(Field::FirstName), text(Field::MiddleInitial),
                        text(Field::LastName), text(Field::Address),   text(Field::City),
                        text(Field::State),    text(Field::Zip)};
}

} // namespace tessaly
