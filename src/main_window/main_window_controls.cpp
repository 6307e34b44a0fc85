#include "main_window/main_window_controls.h"

#include "core/window_fitting.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

namespace {

constexpr auto kLeft = CaptionAlignment::Left;
constexpr auto kCentre = CaptionAlignment::Centre;

// A text box's caption stands right above it, as wide as the box.
CaptionSpec captionAbove(const QString &boxId, const QString &caption, const TwipsRect &box,
                         CaptionAlignment alignment, const QString &toolTip = {})
{
    return CaptionSpec{boxId + u"Label"_s, caption,
                       TwipsRect{box.left, box.top - 240, box.width, 255}, alignment, toolTip};
}

EntryControlSpec textBox(const QString &id, Field field, EntryBoxKind kind, const TwipsRect &rect,
                         const QString &caption, CaptionAlignment alignment)
{
    return EntryControlSpec{
        id, field, false, kind, rect, {}, captionAbove(id, caption, rect, alignment)};
}

EntryControlSpec checkBox(const QString &id, Field field, const TwipsRect &rect,
                          const QString &labelId, const QString &caption, int labelTop)
{
    return EntryControlSpec{
        id,
        field,
        true,
        EntryBoxKind::Plain,
        rect,
        {},
        CaptionSpec{labelId, caption, TwipsRect{2160, labelTop, 1455, 300}, kLeft, {}}};
}

std::vector<EntryControlSpec> makeEntryControls()
{
    using K = EntryBoxKind;
    std::vector<EntryControlSpec> controls = {
        textBox(u"Text12"_s, Field::Call, K::CallSign, {240, 360, 975, 285}, u" Call"_s, kLeft),
        textBox(u"Text1"_s, Field::FirstName, K::Name, {1320, 360, 1215, 285}, u" First"_s, kLeft),
        textBox(u"Text2"_s, Field::MiddleInitial, K::Name, {2640, 360, 735, 285}, u"MI"_s, kCentre),
        textBox(u"Text3"_s, Field::LastName, K::Name, {3480, 360, 1575, 285}, u" Last"_s, kLeft),
        textBox(u"Text4"_s, Field::Address, K::MultiLine, {240, 960, 4815, 285}, u" Address"_s,
                kLeft),
        textBox(u"Text5"_s, Field::City, K::Name, {240, 1560, 2775, 285}, u" City"_s, kLeft),
        textBox(u"Text6"_s, Field::State, K::StateCode, {3120, 1560, 615, 285}, u"ST"_s, kCentre),
        textBox(u"Text7"_s, Field::Zip, K::Plain, {3840, 1560, 1215, 285}, u" Zip"_s, kLeft),
        textBox(u"Text9"_s, Field::Phone, K::Plain, {240, 2280, 1215, 285}, u" Telephone"_s, kLeft),
        textBox(u"Text13"_s, Field::Email, K::Plain, {1560, 2280, 1575, 285}, u" E-mail"_s, kLeft),
        textBox(u"Text15"_s, Field::Joined, K::Date, {3240, 2280, 855, 285}, u"Joined"_s, kCentre),
        textBox(u"Text14"_s, Field::ClubExpires, K::Date, {4200, 2280, 855, 285}, u"Expires"_s,
                kCentre),
        textBox(u"Text16"_s, Field::LicenseClass, K::Plain, {240, 3320, 615, 285}, u"Class"_s,
                kCentre),
        textBox(u"Text17"_s, Field::LicenseExpires, K::Date, {960, 3320, 1095, 285},
                u" Expiration"_s, kLeft),
        checkBox(u"Check1"_s, Field::ArrlMember, {3720, 2700, 255, 255}, u"Label21"_s,
                 u" ARRL Member"_s, 2680),
        checkBox(u"Check2"_s, Field::VotingMember, {3720, 3000, 255, 255}, u"Label22"_s,
                 u" Voting Member"_s, 3000),
        checkBox(u"Check3"_s, Field::DuesPaid, {3720, 3300, 255, 255}, u"Label24"_s,
                 u" Dues Paid"_s, 3320),
        textBox(u"Text18"_s, Field::Dob, K::Date, {4080, 3120, 975, 285}, u" D.O.B."_s, kCentre),
        textBox(u"Text8"_s, Field::Other, K::MultiLine, {240, 3960, 4815, 1095}, u" Other Data"_s,
                kLeft),
    };

    for (EntryControlSpec &control : controls) {
        if (control.id == u"Text14")
            control.label.toolTip = u"Membership Expiration"_s;
        if (control.id == u"Text16" || control.id == u"Text17")
            control.label.rect = {control.rect.left, 3035, control.rect.width, 300};
        if (control.id == u"Text18")
            control.label.rect.top = 2875;
        if (control.id == u"Text8")
            control.toolTip = u"Give thought to search criteria (you may want to print a \"golf\" "
                              u"or \"church\", etc. list."_s;
    }
    return controls;
}

} // namespace

QRect designPixels(const TwipsRect &rect)
{
    return twipsRect(rect.left, rect.top, rect.width, rect.height);
}

QSize designClientPixels()
{
    return QSize(twipsToPixels(kDesignClientWidth), twipsToPixels(kDesignClientHeight));
}

const std::vector<EntryControlSpec> &entryControls()
{
    static const std::vector<EntryControlSpec> controls = makeEntryControls();
    return controls;
}

const std::vector<OtherControlSpec> &otherControls()
{
    using K = OtherControlKind;
    using P = ButtonPicture;
    static const std::vector<OtherControlSpec> controls = {
        {u"Command1"_s,
         K::TallButton,
         u"&Add"_s,
         {120, 5400, 735, 975},
         u"Click to enter or edit a record."_s,
         P::Add},
        {u"Command4"_s,
         K::TallButton,
         u"Cl&ear"_s,
         {960, 5400, 735, 975},
         u"Clears entry fields."_s,
         P::Clear},
        {u"Command2"_s,
         K::TallButton,
         u"&Delete"_s,
         {1800, 5400, 735, 975},
         u"Deletes the address you selected. "_s,
         P::Delete},
        {u"Command5"_s,
         K::TallButton,
         u"&Copy to Clipboard"_s,
         {2640, 5400, 855, 975},
         u"Click to copy addess to clipboard so you can paste it in other programs."_s,
         P::Copy},
        {u"Text10"_s,
         K::QuickCopyBox,
         {},
         {3600, 5520, 1575, 855},
         u"This data will be copied to your clipboard by clicking the above command button."_s,
         P::None},
        {u"Text11"_s,
         K::SearchBox,
         {},
         {6120, 160, 975, 290},
         u"Enter search string.  All data fields are searched for your entry and listed below."_s,
         P::None},
        {u"Command3"_s,
         K::Button,
         u"&List All"_s,
         {7200, 120, 855, 375},
         u"Click to list all entries."_s,
         P::None},
        {u"Command9"_s, K::Button, u"List All &Voting"_s, {8160, 120, 1120, 375}, {}, P::None},
        {u"List1"_s,
         K::MemberList,
         {},
         {5280, 600, 4095, 4620},
         u"Click on the name to edit."_s,
         P::None},
        {u"Command6"_s,
         K::Button,
         u"&Write File (address.txt)"_s,
         {5640, 5450, 2295, 375},
         u"Writes the addresses of the listed members to the file address.txt in the program's "
         u"folder.  Only the entries in the list are written."_s,
         P::None},
        {u"Command8"_s,
         K::Button,
         u"Copy List to Clip&board"_s,
         {5640, 5950, 2295, 375},
         u"Copies to the clipboard complete record of search results.  Great for pasting into "
         u"spreadsheets for reports."_s,
         P::None},
        {u"Command7"_s,
         K::TallButton,
         u"&Print List"_s,
         {8160, 5400, 855, 975},
         u"Prints mailing labels of listed addresses.  Printed labels will be ONLY those listed!"_s,
         P::Print},
    };
    return controls;
}

const std::vector<CaptionSpec> &otherCaptions()
{
    static const std::vector<CaptionSpec> captions = {
        {u"LicenseLabel"_s, u"License"_s, {240, 2680, 1815, 300}, kCentre, {}},
        {u"Text11Label"_s, u" Search"_s, {5340, 178, 735, 255}, kLeft, {}},
        {u"Text10Label"_s, u" Quick Copy"_s, {3600, 5280, 1575, 255}, kLeft, {}},
    };
    return captions;
}

const std::vector<BackdropSpec> &backdrops()
{
    static const std::vector<BackdropSpec> areas = {
        {u"SearchBand"_s, {5280, 0, 4095, 600}},
        {u"ExportPanel"_s, {5520, 5280, 3615, 1180}},
    };
    return areas;
}

bool isAddressField(Field field)
{
    switch (field) {
    case Field::Call:
    case Field::FirstName:
    case Field::MiddleInitial:
    case Field::LastName:
    case Field::Address:
    case Field::City:
    case Field::State:
    case Field::Zip:
        return true;
    default:
        return false;
    }
}

} // namespace tessaly
