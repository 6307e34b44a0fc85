#include "label_rules/label_sheets.h"

namespace tessaly {

namespace {

constexpr double kMillimetresPerInch = 25.4;

// The measures are kept to six significant digits at most, so that they come back as the
// same float after the boxes and labelrcp.dat have shown them with seven.
const std::vector<LabelSheet> kSheets = {
    // name; rows, columns, top and left margin, label height and width pitch; the paper and
    // the label's own height and width
    {"30 per sheet 1\" x 2 5/8\" (3 x 10)", 10, 3, 0.5f, 0.1875f, 1, 2.75f, Paper::Letter, 1,
     2.625f},
    {"20 per sheet 1\" x 4\" (2 x 10)", 10, 2, 0.5f, 0.15625f, 1, 4.1875f, Paper::Letter, 1, 4},
    {"14 per sheet 1 1/3\" x 4\" (2 x 7)", 7, 2, 0.83333f, 0.15625f, 1.33333f, 4.1875f,
     Paper::Letter, 1.33333f, 4},
    {"10 per sheet 2\" x 4\" (2 x 5)", 5, 2, 0.5f, 0.15625f, 2, 4.1875f, Paper::Letter, 2, 4},
    {"6 per sheet 3 1/3\" x 4\" (2 x 3)", 3, 2, 0.5f, 0.15625f, 3.33333f, 4.1875f, Paper::Letter,
     3.33333f, 4},
    {"80 per sheet 1/2\" x 1 3/4\" (4 x 20)", 20, 4, 0.5f, 0.28125f, 0.5f, 2.0625f, Paper::Letter,
     0.5f, 1.75f},
    // 15.15 mm top, 7.25 mm left, 38.1 mm and 66.04 mm pitches, 38.1 x 63.5 mm labels
    {"21 per sheet 63.5 x 38.1 mm (3 x 7), A4", 7, 3, 0.59646f, 0.28543f, 1.5f, 2.6f, Paper::A4,
     1.5f, 2.5f},
    // 12.9 mm top, 7 mm left, 33.9 mm and 66 mm pitches, 33.9 x 64 mm labels
    {"24 per sheet 64 x 33.9 mm (3 x 8), A4", 8, 3, 0.50787f, 0.27559f, 1.33465f, 2.59843f,
     Paper::A4, 1.33465f, 2.51969f},
};

} // namespace

QSizeF paperSize(Paper paper)
{
    switch (paper) {
    case Paper::Letter:
        return {8.5, 11};
    case Paper::A4:
        return {210 / kMillimetresPerInch, 297 / kMillimetresPerInch};
    }
    return {};
}

const std::vector<LabelSheet> &labelSheets()
{
    return kSheets;
}

std::optional<std::size_t> matchingSheet(const LabelLayout &layout)
{
    for (std::size_t n = 0; n < kSheets.size(); ++n) {
        if (withSheet(layout, kSheets[n]) == layout)
            return n;
    }
    return std::nullopt;
}

std::optional<std::size_t> matchingSheet(const LabelBoxTexts &texts)
{
    LabelBoxTexts sheetOnly = texts;
    for (LabelBox other : {LabelBox::StartRow, LabelBox::StartColumn, LabelBox::FontSize})
        sheetOnly[static_cast<std::size_t>(other)] = QStringLiteral("1");
    const std::optional<LabelRequest> request = requestFromTexts(sheetOnly);
    if (!request)
        return std::nullopt;
    return matchingSheet(request->layout);
}

Paper labelPaper(const LabelLayout &layout)
{
    if (const std::optional<std::size_t> sheet = matchingSheet(layout))
        return kSheets[*sheet].paper;
    const QSizeF letter = paperSize(Paper::Letter), a4 = paperSize(Paper::A4);
    const double width =
        static_cast<double>(layout.leftMargin + layout.columnsPerPage * layout.labelWidth);
    const double height =
        static_cast<double>(layout.topMargin + layout.rowsPerPage * layout.labelHeight);
    const bool fitsLetter = width <= letter.width() && height <= letter.height();
    const bool fitsA4 = width <= a4.width() && height <= a4.height();
    return !fitsLetter && fitsA4 ? Paper::A4 : Paper::Letter;
}

LabelLayout withSheet(LabelLayout layout, const LabelSheet &sheet)
{
    layout.rowsPerPage = sheet.rowsPerPage;
    layout.columnsPerPage = sheet.columnsPerPage;
    layout.topMargin = sheet.topMargin;
    layout.leftMargin = sheet.leftMargin;
    layout.labelHeight = sheet.labelHeight;
    layout.labelWidth = sheet.labelWidth;
    return layout;
}

} // namespace tessaly
