#pragma once

#include "forms/control_table.h"

#include <QString>

#include <vector>

namespace tessaly {

// The "Database Functions" window as designed: every control's place in twips, its
// caption and tooltip. The window builds itself from this table.

constexpr int kReportDesignClientWidth = 9270;
constexpr int kReportDesignClientHeight = 6480;

enum class ReportControlKind {
    Hint, // a plain label
    Button,
    Report,    // the 19-column list
    Options,   // the group box around the option buttons
    Option,    // an option button inside the group box; its rect is relative to it
    QueryDate, // the query date box
    Line,      // a line; its rect runs from one end point to the other
    Caption,   // the caption of a figure
    Figure,    // the value of a figure
};

// What a control is to the window, for the controls it wires or fills.
enum class ReportRole {
    None,
    ListQuery,
    ListAll,
    CopyReport,
    ResetDues,
    UseList,
    ClubExpiration,
    LicenseExpiration,
    DuesNotPaid,
    TotalMembers,
    ArrlMembers,
    VotingMembers,
    ArrlPercent,
};
constexpr std::size_t kReportRoleCount = static_cast<std::size_t>(ReportRole::ArrlPercent) + 1;

// The caption is a button's or label's text, or what the query date box starts with.
struct ReportControlSpec : ControlRow {
    ReportControlKind kind;
    ReportRole role;
};

// In the order the Tab key visits them; labels and lines take no focus.
const std::vector<ReportControlSpec> &reportControls();

} // namespace tessaly
