#pragma once

#include "core/member_record.h"
#include "entry_rules/entry_key_rules.h"
#include "forms/button_pictures.h"
#include "forms/caption_design.h"
#include "forms/control_table.h"

#include <QRect>
#include <QString>

#include <vector>

namespace tessaly {

// The main window as designed: every control's place in twips, its caption and
// tooltip. The window builds itself from these tables.

constexpr int kDesignClientWidth = 9480;
constexpr int kDesignClientHeight = 6390;

// One entry control with the caption label that names it.
struct EntryControlSpec : ControlRow {
    Field field;
    bool checkBox = false;
    EntryBoxKind boxKind = EntryBoxKind::Plain; // text boxes only
    CaptionSpec label;
};

enum class OtherControlKind {
    TallButton,
    Button,
    QuickCopyBox,
    SearchBox,
    MemberList,
    ListSummary, // the line under the list that says what it holds
};

// The window's commands, its buttons' and its menus', each bound to its handler by
// this name.
enum class Command {
    None, // no command: a box or list, or a menu's separator
    Undo,
    AddRecord,
    Clear,
    Delete,
    CopyQuickCopy,
    ListAll,
    ListVoting,
    WriteAddressFile,
    CopyList,
    PrintList,
    ImportMembers,
    UpdateLicenses,
    ExportListed,
    CopyEmails,
    PrintDirectory,
    Exit,
    Queries,
    Help,
};
constexpr int kCommandCount = static_cast<int>(Command::Help) + 1;

struct OtherControlSpec : ControlRow {
    OtherControlKind kind;
    Command command;
    ButtonPicture picture = ButtonPicture::None;
};

// An item of a menu; an item without a command is a separator.
struct MenuItemSpec {
    QString id;
    QString caption;
    Command command = Command::None;
};

// A menu of the menu bar, or, without items, a command standing on the bar itself.
struct MenuSpec {
    QString id;
    QString caption;
    Command command = Command::None;
    std::vector<MenuItemSpec> items;
};

// The nineteen entry controls, in the order the Tab key visits them.
const std::vector<EntryControlSpec> &entryControls();
// Commands, Quick Copy box, search box, member list and its summary line, in the Tab order that
// follows the entry controls.
const std::vector<OtherControlSpec> &otherControls();
// Captions that belong to no entry control: the license heading, " Search",
// " Quick Copy".
const std::vector<CaptionSpec> &otherCaptions();
// The navy areas behind the search row and the export buttons.
const std::vector<ControlRow> &backdrops();
// The menu bar, left to right, each menu's items top to bottom.
const std::vector<MenuSpec> &menus();

} // namespace tessaly
