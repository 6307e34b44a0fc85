#include "report_window/report_window_controls.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

const std::vector<ReportControlSpec> &reportControls()
{
    using K = ReportControlKind;
    using R = ReportRole;
    constexpr auto kTab = TabStop::Yes;
    static const std::vector<ReportControlSpec> controls = {
        {{u"Label1"_s, u"Click on the title in the list box to sort."_s, {120, 120, 6015, 255}, {}},
         K::Hint,
         R::None},
        {{u"Command2"_s, u"List &All"_s, {7800, 40, 1215, 300}, u"List all records."_s, kTab},
         K::Button,
         R::ListAll},
        {{u"ListView1"_s, {}, {120, 360, 9015, 4695}, {}, kTab}, K::Report, R::None},
        {{u"Frame1"_s, u"List Options:"_s, {240, 5200, 2895, 1095}, {}}, K::Options, R::None},
        {{u"Option2"_s, u"Club expiration earlier than:"_s, {240, 240, 2535, 255}, {}, kTab},
         K::Option,
         R::ClubExpiration},
        {{u"Option3"_s, u"License expiration earlier than:"_s, {240, 480, 2535, 255}, {}, kTab},
         K::Option,
         R::LicenseExpiration},
        {{u"Option4"_s, u"Dues not paid"_s, {240, 720, 2535, 255}, {}, kTab},
         K::Option,
         R::DuesNotPaid},
        {{u"Text1"_s, u"01/28/01"_s, {3430, 5520, 930, 285}, {}, kTab}, K::QueryDate, R::None},
        {{u"Command1"_s, u"&List"_s, {3240, 5880, 1335, 375}, u"List query results."_s, kTab},
         K::Button,
         R::ListQuery},
        // The frame around the query controls, from (120, 5160) to (4680, 6360).
        {{u"Line1"_s, {}, {120, 5160, 4575, 15}, {}}, K::Line, R::None},
        {{u"Line2"_s, {}, {4680, 5160, 15, 1215}, {}}, K::Line, R::None},
        {{u"Line3"_s, {}, {120, 6360, 4575, 15}, {}}, K::Line, R::None},
        {{u"Line4"_s, {}, {120, 5160, 15, 1215}, {}}, K::Line, R::None},
        {{u"Label2"_s, u" Total Members"_s, {5040, 5400, 1335, 225}, {}}, K::Caption, R::None},
        {{u"Label3"_s, u"0 "_s, {6480, 5400, 615, 225}, {}}, K::Figure, R::TotalMembers},
        {{u"Label4"_s, u" ARRL Members"_s, {5040, 5640, 1335, 225}, {}}, K::Caption, R::None},
        {{u"Label5"_s, u"0 "_s, {6480, 5640, 615, 225}, {}}, K::Figure, R::ArrlMembers},
        {{u"Label7"_s, u" Voting Members"_s, {5040, 5880, 1335, 225}, {}}, K::Caption, R::None},
        {{u"Label9"_s, u"0 "_s, {6480, 5880, 615, 225}, {}}, K::Figure, R::VotingMembers},
        {{u"Label8"_s, u" ARRL Members %"_s, {5040, 6120, 1335, 225}, {}}, K::Caption, R::None},
        {{u"Label6"_s, u"0%"_s, {6480, 6120, 615, 225}, {}}, K::Figure, R::ArrlPercent},
        {{u"Command4"_s, u"&Copy List to Clipboard"_s, {7320, 5440, 1815, 375}, {}, kTab},
         K::Button,
         R::CopyReport},
        {{u"Command3"_s,
          u"&Reset All Dues Paid"_s,
          {7320, 5950, 1815, 375},
          u"Reset dues paid value to NO for All members."_s,
          kTab},
         K::Button,
         R::ResetDues},
        // Beside "List &All", the report's lines handed to the main window.
        {{u"Command5"_s,
          u"&Use This List"_s,
          {6240, 40, 1455, 300},
          u"List these members in the main window, for labels, e-mail and exports."_s,
          kTab},
         K::Button,
         R::UseList},
    };
    return controls;
}

} // namespace tessaly
