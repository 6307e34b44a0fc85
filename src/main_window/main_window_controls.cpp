#include "main_window/main_window_controls.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

namespace {

constexpr auto kLeft = CaptionAlignment::Left;
constexpr auto kCentre = CaptionAlignment::Centre;

} // namespace

const std::vector<EntryControlSpec> &entryControls()
{
    using K = EntryBoxKind;
    // Each row: the control, its field, check box or not, its typing rule, its place
    // and tooltip, then its caption label with the label's own place and tooltip.
    static const std::vector<EntryControlSpec> controls = {
        {u"Text12"_s,
         Field::Call,
         false,
         K::CallSign,
         {240, 360, 975, 285},
         {},
         {u"Text12Label"_s, u" Call"_s, {240, 120, 975, 255}, kLeft, {}}},
        {u"Text1"_s,
         Field::FirstName,
         false,
         K::Name,
         {1320, 360, 1215, 285},
         {},
         {u"Text1Label"_s, u" First"_s, {1320, 120, 1215, 255}, kLeft, {}}},
        {u"Text2"_s,
         Field::MiddleInitial,
         false,
         K::Name,
         {2640, 360, 735, 285},
         {},
         {u"Text2Label"_s, u"MI"_s, {2640, 120, 735, 255}, kCentre, {}}},
        {u"Text3"_s,
         Field::LastName,
         false,
         K::Name,
         {3480, 360, 1575, 285},
         {},
         {u"Text3Label"_s, u" Last"_s, {3480, 120, 1575, 255}, kLeft, {}}},
        {u"Text4"_s,
         Field::Address,
         false,
         K::MultiLine,
         {240, 960, 4815, 285},
         {},
         {u"Text4Label"_s, u" Address"_s, {240, 720, 4815, 255}, kLeft, {}}},
        {u"Text5"_s,
         Field::City,
         false,
         K::Name,
         {240, 1560, 2775, 285},
         {},
         {u"Text5Label"_s, u" City"_s, {240, 1320, 2775, 255}, kLeft, {}}},
        {u"Text6"_s,
         Field::State,
         false,
         K::StateCode,
         {3120, 1560, 615, 285},
         {},
         {u"Text6Label"_s, u"ST"_s, {3120, 1320, 615, 255}, kCentre, {}}},
        {u"Text7"_s,
         Field::Zip,
         false,
         K::Plain,
         {3840, 1560, 1215, 285},
         {},
         {u"Text7Label"_s, u" Zip"_s, {3840, 1320, 1215, 255}, kLeft, {}}},
        {u"Text9"_s,
         Field::Phone,
         false,
         K::Plain,
         {240, 2280, 1215, 285},
         {},
         {u"Text9Label"_s, u" Telephone"_s, {240, 2040, 1215, 255}, kLeft, {}}},
        {u"Text13"_s,
         Field::Email,
         false,
         K::Plain,
         {1560, 2280, 1575, 285},
         {},
         {u"Text13Label"_s, u" E-mail"_s, {1560, 2040, 1575, 255}, kLeft, {}}},
        {u"Text15"_s,
         Field::Joined,
         false,
         K::Date,
         {3240, 2280, 855, 285},
         {},
         {u"Text15Label"_s, u"Joined"_s, {3240, 2040, 855, 255}, kCentre, {}}},
        {u"Text14"_s,
         Field::ClubExpires,
         false,
         K::Date,
         {4200, 2280, 855, 285},
         {},
         {u"Text14Label"_s,
          u"Expires"_s,
          {4200, 2040, 855, 255},
          kCentre,
          u"Membership Expiration"_s}},
        {u"Text16"_s,
         Field::LicenseClass,
         false,
         K::Plain,
         {240, 3320, 615, 285},
         {},
         {u"Text16Label"_s, u"Class"_s, {240, 3035, 615, 300}, kCentre, {}}},
        {u"Text17"_s,
         Field::LicenseExpires,
         false,
         K::Date,
         {960, 3320, 1095, 285},
         {},
         {u"Text17Label"_s, u" Expiration"_s, {960, 3035, 1095, 300}, kLeft, {}}},
        {u"Check1"_s,
         Field::ArrlMember,
         true,
         K::Plain,
         {3720, 2700, 255, 255},
         {},
         {u"Label21"_s, u" ARRL Member"_s, {2160, 2680, 1455, 300}, kLeft, {}}},
        {u"Check2"_s,
         Field::VotingMember,
         true,
         K::Plain,
         {3720, 3000, 255, 255},
         {},
         {u"Label22"_s, u" Voting Member"_s, {2160, 3000, 1455, 300}, kLeft, {}}},
        {u"Check3"_s,
         Field::DuesPaid,
         true,
         K::Plain,
         {3720, 3300, 255, 255},
         {},
         {u"Label24"_s, u" Dues Paid"_s, {2160, 3320, 1455, 300}, kLeft, {}}},
        {u"Text18"_s,
         Field::Dob,
         false,
         K::Date,
         {4080, 3120, 975, 285},
         {},
         {u"Text18Label"_s, u" D.O.B."_s, {4080, 2875, 975, 255}, kCentre, {}}},
        {u"Text8"_s,
         Field::Other,
         false,
         K::MultiLine,
         {240, 3960, 4815, 1095},
         u"Give thought to search criteria (you may want to print a \"golf\" or \"church\", "
         u"etc. list."_s,
         {u"Text8Label"_s, u" Other Data"_s, {240, 3720, 4815, 255}, kLeft, {}}},
    };
    return controls;
}

const std::vector<OtherControlSpec> &otherControls()
{
    using K = OtherControlKind;
    using C = Command;
    using P = ButtonPicture;
    static const std::vector<OtherControlSpec> controls = {
        {u"Command1"_s,
         K::TallButton,
         C::AddRecord,
         u"&Add"_s,
         {120, 5400, 735, 975},
         u"Click to enter or edit a record."_s,
         P::Add},
        {u"Command4"_s,
         K::TallButton,
         C::Clear,
         u"Cl&ear"_s,
         {960, 5400, 735, 975},
         u"Clears entry fields."_s,
         P::Clear},
        {u"Command2"_s,
         K::TallButton,
         C::Delete,
         u"&Delete"_s,
         {1800, 5400, 735, 975},
         u"Deletes the address you selected. "_s,
         P::Delete},
        {u"Command5"_s,
         K::TallButton,
         C::CopyQuickCopy,
         u"&Copy to Clipboard"_s,
         {2640, 5400, 855, 975},
         u"Click to copy addess to clipboard so you can paste it in other programs."_s,
         P::Copy},
        {u"Text10"_s,
         K::QuickCopyBox,
         C::None,
         {},
         {3600, 5520, 1575, 855},
         u"This data will be copied to your clipboard by clicking the above command button."_s,
         P::None},
        {u"Text11"_s,
         K::SearchBox,
         C::None,
         {},
         {6120, 160, 975, 290},
         u"Enter search string.  All data fields are searched for your entry and listed below."_s,
         P::None},
        {u"Command3"_s,
         K::Button,
         C::ListAll,
         u"&List All"_s,
         {7200, 120, 855, 375},
         u"Click to list all entries."_s,
         P::None},
        {u"Command9"_s,
         K::Button,
         C::ListVoting,
         u"List All &Voting"_s,
         {8160, 120, 1120, 375},
         {},
         P::None},
        {u"List1"_s,
         K::MemberList,
         C::None,
         {},
         {5280, 600, 4095, 4620},
         u"Click on the name to edit."_s,
         P::None},
        {u"Command6"_s,
         K::Button,
         C::WriteAddressFile,
         u"&Write File (address.txt)"_s,
         {5640, 5450, 2295, 375},
         u"Writes the addresses of the listed members to the file address.txt in the program's "
         u"folder.  Only the entries in the list are written."_s,
         P::None},
        {u"Command8"_s,
         K::Button,
         C::CopyList,
         u"Copy List to Clip&board"_s,
         {5640, 5950, 2295, 375},
         u"Copies to the clipboard complete record of search results.  Great for pasting into "
         u"spreadsheets for reports."_s,
         P::None},
        {u"Command7"_s,
         K::TallButton,
         C::PrintList,
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
