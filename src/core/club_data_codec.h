#pragma once

#include "core/member_record.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

namespace tessaly {

class MemberStore;

struct ParseSummary {
    int records = 0;                // records handed to the sink
    int surplus = 0;                // complete or partial records found after the limit
    bool endedInsideRecord = false; // the last record read was cut short by the end of the file
    // Records that a program-written file never holds: more or fewer than nineteen
    // values on the record's line, a quote left open, or the file ending inside the
    // record. Each is read as well as it can be; the records after it are not shifted.
    int irregular = 0;
    int firstIrregularLine = 0; // the line the first irregular record starts on, from 1
    bool utf8 = false;          // values were read as UTF-8 rather than Windows-1252
};

// Reads the bytes of AddrClub.dat record by record, handing each record to sink (its
// values hold their own text),
// at most `limit` of them; the rest are only read through and counted. Each value
// is Windows-1252 text. Reading rules:
//  - values follow one another and end at a comma or a line end (CR LF, CR or LF);
//  - a line end outside quotes ends the record: a record with fewer than nineteen
//    values keeps the rest empty, values after the nineteenth on its line are read
//    through and dropped, and the next record starts on the next line;
//  - a value that starts with a double quote (blanks and tabs before it skipped)
//    runs to the next double quote, commas and line breaks included. Text between
//    the closing quote and the next comma or line end is not lost: it is appended
//    to the value with blanks trimmed and double quotes dropped;
//  - a quote is taken as opening a value with line breaks only when its closing
//    quote stands before a comma, a line end or the end of the file (blanks aside).
//    Otherwise (the close is missing, or is the next line's first quote and text
//    follows it) the quote is a stray character and the value is read as an
//    unquoted one. A quote never closed and with no line end after it runs to the
//    end of the file, and the record ends there;
//  - any other value runs to the next comma or line end, blanks and tabs around it
//    dropped and double quotes inside it removed;
//  - the end of the file is tested before each record; a file that ends inside a
//    record gives a record with the remaining fields empty. Blanks, tabs and line
//    ends before a record are skipped, so blank lines between records or at the end
//    of the file are not a record.
// Every file serializeClubData writes reads back unchanged by these rules.
//
// Before reading, a UTF-8 byte-order mark at the start and a single Ctrl-Z (1A) at
// the end, which DOS and old Windows editors append, are dropped: neither is a value.
// A file whose utf8Shape is MultiByte is read as UTF-8.
ParseSummary parseClubData(const QByteArray &bytes, int limit,
                           const std::function<void(MemberRecord &&)> &sink);

// The same reading, appending the records to store, as many as it has room for. The
// decoded file is one text that the store keeps (MemberStore::keepText) and the values
// are views into it, so loading makes no string of its own per value; a value copies
// its text out the first time it is changed.
ParseSummary loadClubData(const QByteArray &bytes, MemberStore &store);

// The file image of records 1 to count: nineteen quoted values per record,
// separated by commas, each record ended by CR LF. Values are written as stored,
// line breaks included, except that a double quote is left out: the format has no
// escape for it, and one inside a value would end the value early and shift every
// later field. Characters Windows-1252 lacks are written as '?'.
QByteArray serializeClubData(const MemberStore &store);
QByteArray serializeRecord(const MemberRecord &record);

} // namespace tessaly
