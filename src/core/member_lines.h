#pragma once

#include "core/member_record.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tessaly {

// The lines a member is written out in: every format that puts a member on paper, in a file
// or on the clipboard builds its name, town and address lines here.

// A name as its three boxes hold it.
struct NameParts {
    QStringView first;
    QStringView middle;
    QStringView last;
};

// Which part of the name leads.
enum class NameOrder {
    GivenFirst, // "First MI Last", a blank after each given part
    LastFirst,  // "Last, First MI"
};

// Which separators a name line writes, for parts that may be empty.
enum class NameSeparators {
    Always,         // every one: "Last, First " without a middle initial, ",  " for no name
    AfterPresent,   // one after each part that is there, none after the closing part
    BetweenPresent, // only between two parts that are there: no separator at either end
};

struct NameStyle {
    NameOrder order;
    NameSeparators separators;
};

QString nameLine(const NameParts &name, NameStyle style);
QString nameLine(const MemberRecord &member, NameStyle style);
// The same line added to the end of out, for a text of many members made without a string
// for each line.
void appendNameLine(QString &out, const NameParts &name, NameStyle style);

// A town as its three boxes hold it.
struct TownParts {
    QStringView city;
    QStringView state;
    QStringView zip;
};

enum class TownSpacing {
    AsStored,   // "City ST Zip" with one blank between the parts, empty or not: "  19063"
    Simplified, // the same with each run of white space one blank and none at the ends: "19063"
};

QString townLine(const TownParts &town, TownSpacing spacing);
QString townLine(const MemberRecord &member, TownSpacing spacing);
void appendTownLine(QString &out, const TownParts &town, TownSpacing spacing);

// How the CR LF pairs of an Address make its lines. Only a CR LF pair breaks a line: a lone CR
// or LF stays inside its line, as stored.
enum class AddressBreaks {
    // Each CR LF ends a line: "1 Elm\r\n" is one line, and an empty address none.
    EndLines,
    // Each CR LF stands between two lines: "1 Elm\r\n" is "1 Elm" and an empty line, and an
    // empty address one empty line, so the lines joined by CR LF are the address again.
    SeparateLines,
    // As SeparateLines, except that an empty address has no line.
    SeparateLinesOfAny,
};

QStringList addressLines(QStringView address, AddressBreaks breaks);

// The same lines handed to each in order, as views into address.
template <typename Each>
void forEachAddressLine(QStringView address, AddressBreaks breaks, Each &&each)
{
    constexpr QStringView crLf = u"\r\n";
    if (address.isEmpty() && breaks != AddressBreaks::SeparateLines)
        return;
    qsizetype start = 0;
    for (qsizetype at = address.indexOf(crLf); at >= 0; at = address.indexOf(crLf, start)) {
        each(address.mid(start, at - start));
        start = at + crLf.size();
    }
    if (start < address.size() || breaks != AddressBreaks::EndLines)
        each(address.mid(start));
}

} // namespace tessaly
