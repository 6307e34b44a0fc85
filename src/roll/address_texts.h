#pragma once

#include "core/member_store.h"

#include <QString>

#include <vector>

namespace tessaly {

// The eight address boxes of the entry area, as the store holds them (CR LF line breaks).
struct AddressBoxes {
    QString call;
    QString firstName;
    QString middleInitial;
    QString lastName;
    QString address;
    QString city;
    QString state;
    QString zip;
};

AddressBoxes addressBoxesOf(const MemberRecord &record);

// The Quick Copy block: "ARS - CALL" line when there is a call sign, the name line,
// the address as it stands, and the town line "City ST Zip" with no line end after it.
QString quickCopyText(const AddressBoxes &boxes);

// The text of Address.txt: one block per listed record, in list order, every line
// ended by CR LF; the call line is "ARS CALL " (ending in a blank).
QString addressFileText(const MemberStore &store, const std::vector<int> &listedRecords);

} // namespace tessaly
