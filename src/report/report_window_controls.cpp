#include "report/report_window_controls.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

const std::vector<ReportControlSpec> &reportControls()
{
    using K = ReportControlKind;
    using R = ReportRole;
    static const std::vector<ReportControlSpec> controls = {
        {u"Label1"_s,
         K::Hint,
         R::None,
         u"Click on the title in the list box to sort."_s,
         {120, 120, 7455, 255},
         {}},
        {u"Command2"_s,
         K::Button,
         R::ListAll,
         u"List &All"_s,
         {7800, 40, 1215, 300},
         u"List all records."_s},
        {u"ListView1"_s, K::Report, R::None, {}, {120, 360, 9015, 4935}, {}},
        {u"Frame1"_s, K::Options, R::None, u"List Options:"_s, {240, 5440, 2895, 855}, {}},
        {u"Option2"_s,
         K::Option,
         R::ClubExpiration,
         u"Club expiration earlier than:"_s,
         {240, 240, 2535, 255},
         {}},
        {u"Option3"_s,
         K::Option,
         R::LicenseExpiration,
         u"License expiration earlier than:"_s,
         {240, 480, 2535, 255},
         {}},
        {u"Text1"_s, K::QueryDate, R::None, u"01/28/01"_s, {3430, 5520, 930, 285}, {}},
        {u"Command1"_s,
         K::Button,
         R::ListQuery,
         u"&List"_s,
         {3240, 5880, 1335, 375},
         u"List query results."_s},
        // The frame around the query controls, from (120, 5400) to (4680, 6360).
        {u"Line1"_s, K::Line, R::None, {}, {120, 5400, 4575, 15}, {}},
        {u"Line2"_s, K::Line, R::None, {}, {4680, 5400, 15, 975}, {}},
        {u"Line3"_s, K::Line, R::None, {}, {120, 6360, 4575, 15}, {}},
        {u"Line4"_s, K::Line, R::None, {}, {120, 5400, 15, 975}, {}},
        {u"Label2"_s, K::Caption, R::None, u" Total Members"_s, {5040, 5400, 1335, 225}, {}},
        {u"Label3"_s, K::Figure, R::TotalMembers, u"0 "_s, {6480, 5400, 615, 225}, {}},
        {u"Label4"_s, K::Caption, R::None, u" ARRL Members"_s, {5040, 5640, 1335, 225}, {}},
        {u"Label5"_s, K::Figure, R::ArrlMembers, u"0 "_s, {6480, 5640, 615, 225}, {}},
        {u"Label7"_s, K::Caption, R::None, u" Voting Members"_s, {5040, 5880, 1335, 225}, {}},
        {u"Label9"_s, K::Figure, R::VotingMembers, u"0 "_s, {6480, 5880, 615, 225}, {}},
        {u"Label8"_s, K::Caption, R::None, u" ARRL Members %"_s, {5040, 6120, 1335, 225}, {}},
        {u"Label6"_s, K::Figure, R::ArrlPercent, u"0%"_s, {6480, 6120, 615, 225}, {}},
        {u"Command4"_s,
         K::Button,
         R::CopyReport,
         u"&Copy List to Clipboard"_s,
         {7320, 5440, 1815, 375},
         {}},
        {u"Command3"_s,
         K::Button,
         R::ResetDues,
         u"&Reset All Dues Paid"_s,
         {7320, 5950, 1815, 375},
         u"Reset dues paid value to NO for All members."_s},
    };
    return controls;
}

} // namespace tessaly
