#include "label_window/label_window_controls.h"

#include "label_rules/label_request.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

const std::vector<LabelControlSpec> &labelControls()
{
    using K = LabelControlKind;
    using B = LabelBox;
    constexpr auto kTab = TabStop::Yes;
    const QString betweenLabels = u"Include any margins between the labels in your measurement."_s;
    static const std::vector<LabelControlSpec> controls = {
        {{u"Label11"_s, u"Sheet"_s, {240, 60, 555, 255}, {}}, K::Caption},
        {{u"Combo1"_s, {}, {840, 30, 4575, 285}, {}, kTab}, K::SheetList},
        {{u"Text1"_s, u"10"_s, {240, 360, 495, 285}, {}, kTab}, K::NumberBox, B::Rows},
        {{u"Label1"_s, labelBoxCaption(B::Rows), {840, 400, 5295, 255}, {}}, K::Caption},
        {{u"Text2"_s, u"3"_s, {240, 720, 495, 285}, {}, kTab}, K::NumberBox, B::Columns},
        {{u"Label2"_s, labelBoxCaption(B::Columns), {840, 790, 5775, 255}, {}}, K::Caption},
        {{u"Text3"_s, u".52"_s, {240, 1080, 495, 285}, {}, kTab}, K::NumberBox, B::TopMargin},
        {{u"Label3"_s,
          labelBoxCaption(B::TopMargin),
          {840, 1150, 6135, 255},
          u"Depending on your printer, you may have to subtract the printer's default top "
          u"margin."_s},
         K::Caption},
        {{u"Text4"_s, u".1"_s, {240, 1440, 495, 285}, {}, kTab}, K::NumberBox, B::LeftMargin},
        {{u"Label4"_s,
          labelBoxCaption(B::LeftMargin),
          {840, 1520, 6255, 255},
          u"Depending on your printer, you may have to subtract your printer's default left "
          u"margin."_s},
         K::Caption},
        {{u"Text5"_s, u"1"_s, {240, 1800, 495, 285}, {}, kTab}, K::NumberBox, B::LabelHeight},
        {{u"Label5"_s, labelBoxCaption(B::LabelHeight), {840, 1880, 6375, 255}, betweenLabels},
         K::Caption},
        {{u"Text6"_s, u"2.75"_s, {240, 2160, 495, 285}, {}, kTab}, K::NumberBox, B::LabelWidth},
        {{u"Label6"_s, labelBoxCaption(B::LabelWidth), {840, 2220, 6495, 255}, betweenLabels},
         K::Caption},
        {{u"Label7"_s, labelBoxCaption(B::StartRow), {840, 2640, 1815, 255}, {}}, K::Caption},
        {{u"Text7"_s, u"1"_s, {2760, 2580, 615, 285}, {}, kTab}, K::NumberBox, B::StartRow},
        {{u"Label10"_s, labelBoxCaption(B::StartColumn), {3960, 2640, 735, 255}, {}}, K::Caption},
        {{u"Text8"_s, u"1"_s, {4800, 2580, 615, 285}, {}, kTab}, K::NumberBox, B::StartColumn},
        {{u"List1"_s, {}, {240, 3000, 3855, 645}, {}, kTab}, K::FontList},
        {{u"Label8"_s, u"Font Style"_s, {4320, 3000, 3015, 1575}, {}}, K::Preview},
        {{u"Text9"_s, u"10"_s, {240, 3840, 495, 285}, {}, kTab}, K::NumberBox, B::FontSize},
        {{u"Label9"_s, labelBoxCaption(B::FontSize), {960, 3840, 2055, 255}, {}}, K::Caption},
        {{u"Check1"_s, u"One label per &household"_s, {4320, 4590, 3405, 255}, {}, kTab},
         K::HouseholdBox},
        {{u"Label12"_s, u"Printer"_s, {240, 4980, 675, 255}, {}}, K::Caption},
        {{u"Combo2"_s, {}, {960, 4920, 4095, 285}, {}, kTab}, K::PrinterList},
        {{u"Label13"_s, u"Copies"_s, {5280, 4980, 675, 255}, {}}, K::Caption},
        {{u"Spin1"_s, {}, {6060, 4920, 735, 285}, {}, kTab}, K::CopiesBox},
        {{u"Command1"_s, u"&Print"_s, {3120, 3720, 1095, 975}, {}, kTab}, K::PrintButton},
        {{u"Command2"_s, u"Pre&view"_s, {1905, 4170, 1095, 525}, {}, kTab}, K::PreviewButton},
    };
    return controls;
}

} // namespace tessaly
