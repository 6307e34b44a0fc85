#pragma once

#include "platform/platform.h"

#include <vector>

class QWidget;

namespace tessaly {

class RollSession;

// The File menu's ways of taking the listed members (their record numbers, in list order)
// elsewhere. Each tells the operator how it went.

// A spreadsheet file the import reads back, at a place the operator chooses.
void exportListedMembers(const RollSession &roll, const std::vector<int> &records,
                         Platform &platform);

// Their e-mail addresses on the clipboard, for the Bcc box of one mail.
void copyEmailAddresses(const RollSession &roll, const std::vector<int> &records,
                        Platform &platform);

// A printed member directory, after a preview with Print and Close.
void printMemberDirectory(const RollSession &roll, const std::vector<int> &records,
                          Platform &platform, QWidget *parent);

} // namespace tessaly
