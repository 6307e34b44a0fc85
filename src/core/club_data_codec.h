#pragma once

#include "core/member_record.h"

#include <QByteArray>

#include <functional>

namespace tessaly {

class MemberStore;

struct ParseSummary {
    int records = 0;          // records handed to the sink
    int surplus = 0;          // complete or partial records found after the limit
    bool endedInsideRecord = false;  // the last record read was cut short by the end of the file
};

// Reads the bytes of AddrClub.dat record by record, handing each record to sink,
// at most `limit` of them; the rest are only counted. Reading rules:
//  - values follow one another and end at a comma or a line end (CR LF, CR or LF),
//    so a record may span several lines;
//  - a value that starts with a double quote (blanks before it skipped) runs to the
//    next double quote, commas and line breaks included;
//  - any other value runs to the next comma or line end, blanks and tabs around it
//    dropped and double quotes inside it removed;
//  - the end of the file is tested before each record; a file that ends inside a
//    record gives a record with the remaining fields empty. Trailing blank lines
//    after the last record are not a record.
ParseSummary parseClubData(const QByteArray &bytes, int limit,
                           const std::function<void(MemberRecord &&)> &sink);

// The file image of records 1 to count: nineteen quoted values per record,
// separated by commas, each record ended by CR LF.
QByteArray serializeClubData(const MemberStore &store);
QByteArray serializeRecord(const MemberRecord &record);

}  // namespace tessaly
