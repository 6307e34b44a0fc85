#include "label_rules/label_request.h"

#include "label_rules/whole_number.h"

namespace tessaly {

namespace {

RequestProblem problem(LabelBox box, const QString &range)
{
    QString where = QStringLiteral("\"%1\"").arg(labelBoxCaption(box));
    if (box == LabelBox::StartColumn)
        where += QStringLiteral(" after \"%1\"").arg(labelBoxCaption(LabelBox::StartRow));
    return {box, QStringLiteral("The box %1 must hold %2.\nNothing was printed or saved.")
                     .arg(where, range)};
}

// NaN fails every comparison, so it is out of every range.
bool within(double value, double lowest, double highest)
{
    return value >= lowest && value <= highest;
}

bool aboveZeroUpTo(double value, double highest)
{
    return value > 0 && value <= highest;
}

bool wholeWithin(double value, double lowest, double highest)
{
    return within(std::floor(value), lowest, highest);
}

} // namespace

QString labelBoxCaption(LabelBox box)
{
    switch (box) {
    case LabelBox::Rows:
        return QStringLiteral("How many label rows are on each page (top to bottom)?");
    case LabelBox::Columns:
        return QStringLiteral("How many label columns are on each page (left to right)?");
    case LabelBox::TopMargin:
        return QStringLiteral(
            "Top Margin (Inches - measure from top of page to top edge of first label)");
    case LabelBox::LeftMargin:
        return QStringLiteral(
            "Left Margin (Inches - measure from left of page to left edge of first label)");
    case LabelBox::LabelHeight:
        return QStringLiteral("Label Height (Inches - measure from top edge of first label to "
                              "top edge of next label)");
    case LabelBox::LabelWidth:
        return QStringLiteral("Label Width (Inches - measure from left edge of first label to "
                              "left edge of second label)");
    case LabelBox::StartRow:
        return QStringLiteral("Begin with label on Row");
    case LabelBox::StartColumn:
        return QStringLiteral("Column");
    case LabelBox::FontSize:
        return QStringLiteral("Font Size");
    }
    return {};
}

std::optional<LabelRequest> requestFromTexts(const LabelBoxTexts &texts, LabelBox *unreadable)
{
    std::array<double, std::tuple_size_v<LabelBoxTexts>> values{};
    for (std::size_t n = 0; n < texts.size(); ++n) {
        const std::optional<double> value = numericValue(texts[n]);
        if (!value) {
            if (unreadable != nullptr)
                *unreadable = static_cast<LabelBox>(n);
            return std::nullopt;
        }
        values[n] = *value;
    }
    const auto valueOf = [&values](LabelBox box) { return values[static_cast<std::size_t>(box)]; };
    const auto single = [&valueOf](LabelBox box) { return static_cast<float>(valueOf(box)); };
    LabelRequest request;
    request.layout = {single(LabelBox::Rows),        single(LabelBox::Columns),
                      single(LabelBox::TopMargin),   single(LabelBox::LeftMargin),
                      single(LabelBox::LabelHeight), single(LabelBox::LabelWidth),
                      single(LabelBox::FontSize)};
    request.startRow = valueOf(LabelBox::StartRow);
    request.startColumn = valueOf(LabelBox::StartColumn);
    return request;
}

RequestProblem notNumericProblem(LabelBox box)
{
    return problem(box, QStringLiteral("a number"));
}

std::optional<RequestProblem> checkLabelRequest(const LabelRequest &request)
{
    using L = LabelLimits;
    const LabelLayout &layout = request.layout;
    if (!wholeWithin(layout.rowsPerPage, 1, L::kMaxRows))
        return problem(LabelBox::Rows, QStringLiteral("a number from 1 to %1").arg(L::kMaxRows));
    if (!wholeWithin(layout.columnsPerPage, 1, L::kMaxColumns))
        return problem(LabelBox::Columns,
                       QStringLiteral("a number from 1 to %1").arg(L::kMaxColumns));
    const QString margin =
        QStringLiteral("a number of inches from 0 to %1").arg(L::kMaxMarginInches);
    if (!within(layout.topMargin, 0, L::kMaxMarginInches))
        return problem(LabelBox::TopMargin, margin);
    if (!within(layout.leftMargin, 0, L::kMaxMarginInches))
        return problem(LabelBox::LeftMargin, margin);
    const QString pitch =
        QStringLiteral("a number of inches above 0, up to %1").arg(L::kMaxPitchInches);
    if (!aboveZeroUpTo(layout.labelHeight, L::kMaxPitchInches))
        return problem(LabelBox::LabelHeight, pitch);
    if (!aboveZeroUpTo(layout.labelWidth, L::kMaxPitchInches))
        return problem(LabelBox::LabelWidth, pitch);
    if (!wholeWithin(request.startRow, 0, L::kMaxStartRow))
        return problem(LabelBox::StartRow,
                       QStringLiteral("a number from 0 to %1").arg(L::kMaxStartRow));
    const int columns = wholeNumber(layout.columnsPerPage);
    if (!wholeWithin(request.startColumn, 1, columns))
        return problem(
            LabelBox::StartColumn,
            QStringLiteral("a number from 1 to %1, the label columns on each page").arg(columns));
    if (!within(layout.fontSize, L::kMinFontPoints, L::kMaxFontPoints))
        return problem(LabelBox::FontSize, QStringLiteral("a number of points from %1 to %2")
                                               .arg(L::kMinFontPoints)
                                               .arg(L::kMaxFontPoints));
    return std::nullopt;
}

LabelCounts labelCounts(const LabelRequest &request)
{
    return {wholeNumber(request.layout.rowsPerPage), wholeNumber(request.layout.columnsPerPage),
            wholeNumber(request.startRow), wholeNumber(request.startColumn)};
}

} // namespace tessaly
