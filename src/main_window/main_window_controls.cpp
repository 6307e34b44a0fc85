#include "main_window/main_window_controls.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

namespace {

constexpr auto kLeft = CaptionAlignment::Left;
constexpr auto kCentre = CaptionAlignment::Centre;
constexpr auto kTab = TabStop::Yes;

} // namespace

const std::vector<EntryControlSpec> &entryControls()
{
    using K = EntryBoxKind;
    // Each row: the control, its field, check box or not, its typing rule, its place
    // and tooltip, then its caption label with the label's own place and tooltip.
    static const std::vector<EntryControlSpec> controls = {
        {{u"Text12"_s, {}, {240, 360, 975, 285}, {}, kTab},
         Field::Call,
         false,
         K::CallSign,
         {{u"Text12Label"_s, u" Call"_s, {240, 120, 975, 255}, {}}, kLeft}},
        {{u"Text1"_s, {}, {1320, 360, 1215, 285}, {}, kTab},
         Field::FirstName,
         false,
         K::Name,
         {{u"Text1Label"_s, u" First"_s, {1320, 120, 1215, 255}, {}}, kLeft}},
        {{u"Text2"_s, {}, {2640, 360, 735, 285}, {}, kTab},
         Field::MiddleInitial,
         false,
         K::Name,
         {{u"Text2Label"_s, u"MI"_s, {2640, 120, 735, 255}, {}}, kCentre}},
        {{u"Text3"_s, {}, {3480, 360, 1575, 285}, {}, kTab},
         Field::LastName,
         false,
         K::Name,
         {{u"Text3Label"_s, u" Last"_s, {3480, 120, 1575, 255}, {}}, kLeft}},
        {{u"Text4"_s, {}, {240, 960, 4815, 285}, {}, kTab},
         Field::Address,
         false,
         K::MultiLine,
         {{u"Text4Label"_s, u" Address"_s, {240, 720, 4815, 255}, {}}, kLeft}},
        {{u"Text5"_s, {}, {240, 1560, 2775, 285}, {}, kTab},
         Field::City,
         false,
         K::Name,
         {{u"Text5Label"_s, u" City"_s, {240, 1320, 2775, 255}, {}}, kLeft}},
        {{u"Text6"_s, {}, {3120, 1560, 615, 285}, {}, kTab},
         Field::State,
         false,
         K::StateCode,
         {{u"Text6Label"_s, u"ST"_s, {3120, 1320, 615, 255}, {}}, kCentre}},
        {{u"Text7"_s, {}, {3840, 1560, 1215, 285}, {}, kTab},
         Field::Zip,
         false,
         K::Plain,
         {{u"Text7Label"_s, u" Zip"_s, {3840, 1320, 1215, 255}, {}}, kLeft}},
        {{u"Text9"_s, {}, {240, 2280, 1215, 285}, {}, kTab},
         Field::Phone,
         false,
         K::Plain,
         {{u"Text9Label"_s, u" Telephone"_s, {240, 2040, 1215, 255}, {}}, kLeft}},
        {{u"Text13"_s, {}, {1560, 2280, 1575, 285}, {}, kTab},
         Field::Email,
         false,
         K::Plain,
         {{u"Text13Label"_s, u" E-mail"_s, {1560, 2040, 1575, 255}, {}}, kLeft}},
        {{u"Text15"_s, {}, {3240, 2280, 855, 285}, {}, kTab},
         Field::Joined,
         false,
         K::Date,
         {{u"Text15Label"_s, u"Joined"_s, {3240, 2040, 855, 255}, {}}, kCentre}},
        {{u"Text14"_s, {}, {4200, 2280, 855, 285}, {}, kTab},
         Field::ClubExpires,
         false,
         K::Date,
         {{u"Text14Label"_s, u"Expires"_s, {4200, 2040, 855, 255}, u"Membership Expiration"_s},
          kCentre}},
        {{u"Text16"_s, {}, {240, 3320, 615, 285}, {}, kTab},
         Field::LicenseClass,
         false,
         K::Plain,
         {{u"Text16Label"_s, u"Class"_s, {240, 3035, 615, 300}, {}}, kCentre}},
        {{u"Text17"_s, {}, {960, 3320, 1095, 285}, {}, kTab},
         Field::LicenseExpires,
         false,
         K::Date,
         {{u"Text17Label"_s, u" Expiration"_s, {960, 3035, 1095, 300}, {}}, kLeft}},
        {{u"Check1"_s, {}, {3720, 2700, 255, 255}, {}, kTab},
         Field::ArrlMember,
         true,
         K::Plain,
         {{u"Label21"_s, u" ARRL Member"_s, {2160, 2680, 1455, 300}, {}}, kLeft}},
        {{u"Check2"_s, {}, {3720, 3000, 255, 255}, {}, kTab},
         Field::VotingMember,
         true,
         K::Plain,
         {{u"Label22"_s, u" Voting Member"_s, {2160, 3000, 1455, 300}, {}}, kLeft}},
        {{u"Check3"_s, {}, {3720, 3300, 255, 255}, {}, kTab},
         Field::DuesPaid,
         true,
         K::Plain,
         {{u"Label24"_s, u" Dues Paid"_s, {2160, 3320, 1455, 300}, {}}, kLeft}},
        {{u"Text18"_s, {}, {4080, 3120, 975, 285}, {}, kTab},
         Field::Dob,
         false,
         K::Date,
         {{u"Text18Label"_s, u" D.O.B."_s, {4080, 2875, 975, 255}, {}}, kCentre}},
        {{u"Text8"_s,
          {},
          {240, 3960, 4815, 1095},
          u"Give thought to search criteria (you may want to print a \"golf\" or \"church\", "
          u"etc. list."_s,
          kTab},
         Field::Other,
         false,
         K::MultiLine,
         {{u"Text8Label"_s, u" Other Data"_s, {240, 3720, 4815, 255}, {}}, kLeft}},
    };
    return controls;
}

const std::vector<OtherControlSpec> &otherControls()
{
    using K = OtherControlKind;
    using C = Command;
    using P = ButtonPicture;
    static const std::vector<OtherControlSpec> controls = {
        {{u"Command1"_s,
          u"&Add"_s,
          {120, 5400, 735, 975},
          u"Click to enter or edit a record."_s,
          kTab},
         K::TallButton,
         C::AddRecord,
         P::Add},
        {{u"Command4"_s, u"Cl&ear"_s, {960, 5400, 735, 975}, u"Clears entry fields."_s, kTab},
         K::TallButton,
         C::Clear,
         P::Clear},
        {{u"Command2"_s,
          u"&Delete"_s,
          {1800, 5400, 735, 975},
          u"Deletes the address you selected. "_s,
          kTab},
         K::TallButton,
         C::Delete,
         P::Delete},
        {{u"Command5"_s,
          u"&Copy to Clipboard"_s,
          {2640, 5400, 855, 975},
          u"Click to copy addess to clipboard so you can paste it in other programs."_s,
          kTab},
         K::TallButton,
         C::CopyQuickCopy,
         P::Copy},
        {{u"Text10"_s,
          {},
          {3600, 5520, 1575, 855},
          u"This data will be copied to your clipboard by clicking the above command button."_s,
          kTab},
         K::QuickCopyBox,
         C::None,
         P::None},
        {{u"Text11"_s,
          {},
          {6120, 160, 975, 290},
          u"Enter search string.  All data fields are searched for your entry and listed below."_s,
          kTab},
         K::SearchBox,
         C::None,
         P::None},
        {{u"Command3"_s,
          u"&List All"_s,
          {7200, 120, 855, 375},
          u"Click to list all entries."_s,
          kTab},
         K::Button,
         C::ListAll,
         P::None},
        {{u"Command9"_s, u"List All &Voting"_s, {8160, 120, 1120, 375}, {}, kTab},
         K::Button,
         C::ListVoting,
         P::None},
        {{u"List1"_s, {}, {5280, 600, 4095, 4380}, u"Click on the name to edit."_s, kTab},
         K::MemberList,
         C::None,
         P::None},
        {{u"List1Label"_s, {}, {5280, 5000, 4095, 255}, {}}, K::ListSummary, C::None, P::None},
        {{u"Command6"_s,
          u"&Write File (address.txt)"_s,
          {5640, 5450, 2295, 375},
          u"Writes the addresses of the listed members to the file address.txt in the program's "
          u"folder.  Only the entries in the list are written."_s,
          kTab},
         K::Button,
         C::WriteAddressFile,
         P::None},
        {{u"Command8"_s,
          u"Copy List to Clip&board"_s,
          {5640, 5950, 2295, 375},
          u"Copies to the clipboard complete record of search results.  Great for pasting into "
          u"spreadsheets for reports."_s,
          kTab},
         K::Button,
         C::CopyList,
         P::None},
        {{u"Command7"_s,
          u"&Print List"_s,
          {8160, 5400, 855, 975},
          u"Prints mailing labels of listed addresses.  Printed labels will be ONLY those listed!"_s,
          kTab},
         K::TallButton,
         C::PrintList,
         P::Print},
    };
    return controls;
}

const std::vector<CaptionSpec> &otherCaptions()
{
    static const std::vector<CaptionSpec> captions = {
        {{u"LicenseLabel"_s, u"License"_s, {240, 2680, 1815, 300}, {}}, kCentre},
        {{u"Text11Label"_s, u" Search"_s, {5340, 178, 735, 255}, {}}, kLeft},
        {{u"Text10Label"_s, u" Quick Copy"_s, {3600, 5280, 1575, 255}, {}}, kLeft},
    };
    return captions;
}

const std::vector<ControlRow> &backdrops()
{
    static const std::vector<ControlRow> areas = {
        {u"SearchBand"_s, {}, {5280, 0, 4095, 600}, {}},
        {u"ExportPanel"_s, {}, {5520, 5280, 3615, 1180}, {}},
    };
    return areas;
}

const std::vector<MenuSpec> &menus()
{
    using C = Command;
    static const std::vector<MenuSpec> bar = {
        {u"mnuFile"_s,
         u"&File"_s,
         C::None,
         {
             // Its caption names the change it takes back (undoCaption).
             {u"mnuUndo"_s, u"&Undo"_s, C::Undo},
             {},
             {u"mnuImport"_s, u"&Import Members..."_s, C::ImportMembers},
             {u"mnuLicenses"_s, u"Update &Licenses from FCC File..."_s, C::UpdateLicenses},
             // The listed members taken elsewhere, like every export of this window.
             {u"mnuExport"_s, u"Ex&port Listed Members..."_s, C::ExportListed},
             {u"mnuEmail"_s, u"Copy E-&mail Addresses"_s, C::CopyEmails},
             {u"mnuDirectory"_s, u"Print Member &Directory..."_s, C::PrintDirectory},
             {},
             {u"mnuExit"_s, u"&Exit"_s, C::Exit},
         }},
        {u"mnuFunctions"_s, u"&Queries"_s, C::Queries, {}},
        {u"mnuHelp"_s, u"&Help"_s, C::Help, {}},
    };
    return bar;
}

} // namespace tessaly
