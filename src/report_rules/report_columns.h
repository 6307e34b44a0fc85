#pragma once

#include "core/member_columns.h"

#include <QStringView>

#include <array>
#include <utility>

namespace tessaly {

constexpr int kReportColumnCount = 19;

struct ReportColumn {
    QStringView header;
    Field field;
    // The width in twips on a 640-pixel screen; wider screens widen every column alike.
    int widthFactor;
};

namespace report_detail {
constexpr std::array<int, kReportColumnCount> kWidthFactors = {
    900, 900, 300, 900, 2000, 900, 500, 600, 1300, 1500, 900, 900, 600, 900, 600, 600, 600, 900, 4000};
template <std::size_t... n>
constexpr std::array<ReportColumn, kReportColumnCount> columns(std::index_sequence<n...>)
{
    return {{{kMemberColumns[n].header, kMemberColumns[n].field, kWidthFactors[n]}...}};
}
} // namespace report_detail

// The report's columns: the members' table columns, each with its width.
inline constexpr std::array<ReportColumn, kReportColumnCount> kReportColumns =
    report_detail::columns(std::make_index_sequence<kReportColumnCount>());

// The width of a column in twips for a screen screenWidthTwips wide: the factor grows
// with the 1.2th power of the screen width over that of a 640-pixel screen (9600
// twips). A screen width that is not positive gives the plain factor.
int reportColumnWidth(const ReportColumn &column, int screenWidthTwips);

} // namespace tessaly
