#include "main_window/entry_form.h"

#include "core/member_columns.h"
#include "main_window/entry_line_edit.h"
#include "main_window/entry_text_edit.h"

#include <QCheckBox>
#include <QLocale>

namespace tessaly {

namespace {

std::size_t slotOf(Field field)
{
    return static_cast<std::size_t>(field);
}

QString cutValueToolTip(qsizetype length)
{
    return QStringLiteral("This value is too long to show in full (%1 characters). It cannot be "
                          "edited here, and recording the member keeps it as it is.")
        .arg(QLocale(QLocale::English).toString(length));
}

// The beginning of a value, not ending inside a CR LF line break.
QString beginningOf(const QString &value)
{
    QString shown = value.left(EntryForm::kLongestShownValue);
    if (shown.endsWith(u'\r'))
        shown.chop(1);
    return shown;
}

} // namespace

void EntryForm::attach(Field field, EntryLineEdit *box)
{
    slots_[slotOf(field)] = Slot{box, nullptr, nullptr, {}, {}};
}

void EntryForm::attach(Field field, EntryTextEdit *box)
{
    slots_[slotOf(field)] = Slot{nullptr, box, nullptr, {}, {}};
}

void EntryForm::attach(Field field, QCheckBox *box)
{
    slots_[slotOf(field)] = Slot{nullptr, nullptr, box, {}, {}};
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

std::optional<Field> EntryForm::fieldOf(const QWidget *control) const
{
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        if (control != nullptr && this->control(field) == control)
            return field;
    }
    return std::nullopt;
}

bool EntryForm::isAddressBox(const QWidget *control) const
{
    const std::optional<Field> field = fieldOf(control);
    return field && memberColumn(*field).addressBox == AddressBox::Yes;
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
    Slot &slot = slots_[slotOf(field)];
    if (slot.check != nullptr) {
        slot.check->setChecked(isYes(value));
        return;
    }
    QWidget *box = control(field);
    if (box == nullptr)
        return;
    const bool cut = value.size() > kLongestShownValue;
    if (cut && slot.whole.isNull())
        slot.ownToolTip = box->toolTip();
    if (cut)
        box->setToolTip(cutValueToolTip(value.size()));
    else if (!slot.whole.isNull())
        box->setToolTip(slot.ownToolTip);
    slot.whole = cut ? value : QString();

    const QString shown = cut ? beginningOf(value) : value;
    if (slot.line != nullptr) {
        slot.line->setReadOnly(cut);
        slot.line->setText(shown);
    } else {
        slot.multiLine->setReadOnly(cut);
        slot.multiLine->setStoredText(shown);
    }
}

bool EntryForm::showsPart(const QWidget *control) const
{
    const std::optional<Field> field = fieldOf(control);
    return field && !slots_[slotOf(*field)].whole.isNull();
}

MemberRecord EntryForm::read() const
{
    MemberRecord record;
    for (int f = 0; f < kFieldCount; ++f) {
        const Field field = static_cast<Field>(f);
        const Slot &slot = slots_[slotOf(field)];
        record[field] = slot.whole.isNull() ? text(field) : slot.whole;
    }
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
