#pragma once

#include "core/member_record.h"
#include "entry_rules/entry_key_rules.h"
#include "forms/button_pictures.h"
#include "forms/caption_design.h"

#include <QRect>
#include <QString>

#include <vector>

namespace tessaly {

// The main window as designed: every control's place in twips, its caption and
// tooltip. The window builds itself from these tables.

constexpr int kDesignClientWidth = 9480;
constexpr int kDesignClientHeight = 6390;

// One entry control with the caption label that names it, in Tab order.
struct EntryControlSpec {
    QString id;
    Field field;
    bool checkBox = false;
    EntryBoxKind boxKind = EntryBoxKind::Plain; // text boxes only
    TwipsRect rect;
    QString toolTip;
    CaptionSpec label;
};

enum class OtherControlKind { TallButton, Button, QuickCopyBox, SearchBox, MemberList };

// The window's command buttons, each bound to its handler by this name.
enum class Command {
    None, // not a button
    AddRecord,
    Clear,
    Delete,
    CopyQuickCopy,
    ListAll,
    ListVoting,
    WriteAddressFile,
    CopyList,
    PrintList,
};
constexpr int kCommandCount = static_cast<int>(Command::PrintList) + 1;

struct OtherControlSpec {
    QString id;
    OtherControlKind kind;
    Command command;
    QString caption;
    TwipsRect rect;
    QString toolTip;
    ButtonPicture picture = ButtonPicture::None;
};

struct BackdropSpec {
    QString id;
    TwipsRect rect;
};

// The nineteen entry controls, in the order the Tab key visits them.
const std::vector<EntryControlSpec> &entryControls();
// Commands, Quick Copy box, search box and member list, in the Tab order that
// follows the entry controls.
const std::vector<OtherControlSpec> &otherControls();
// Captions that belong to no entry control: the licence heading, " Search",
// " Quick Copy".
const std::vector<CaptionSpec> &otherCaptions();
// The navy areas behind the search row and the export buttons.
const std::vector<BackdropSpec> &backdrops();

} // namespace tessaly
