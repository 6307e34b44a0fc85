#include "core/member_lines.h"

#include <array>

namespace tessaly {

namespace {

struct NamePart {
    QStringView text;
    QStringView separatorAfter;
};

} // namespace

void appendNameLine(QString &out, const NameParts &name, NameStyle style)
{
    const std::array<NamePart, 3> parts =
        style.order == NameOrder::GivenFirst
            ? std::array<NamePart, 3>{{{name.first, u" "}, {name.middle, u" "}, {name.last, {}}}}
            : std::array<NamePart, 3>{{{name.last, u", "}, {name.first, u" "}, {name.middle, {}}}};
    QStringView pending; // the separator after the last part written, while another may follow
    bool wrote = false;
    for (const NamePart &part : parts) {
        switch (style.separators) {
        case NameSeparators::Always:
            out.append(part.text);
            out.append(part.separatorAfter);
            break;
        case NameSeparators::AfterPresent:
            out.append(part.text);
            if (!part.text.isEmpty())
                out.append(part.separatorAfter);
            break;
        case NameSeparators::BetweenPresent:
            if (part.text.isEmpty())
                break;
            if (wrote)
                out.append(pending);
            out.append(part.text);
            pending = part.separatorAfter;
            wrote = true;
            break;
        }
    }
}

QString nameLine(const NameParts &name, NameStyle style)
{
    QString line;
    line.reserve(name.first.size() + name.middle.size() + name.last.size() + 3);
    appendNameLine(line, name, style);
    return line;
}

QString nameLine(const MemberRecord &member, NameStyle style)
{
    return nameLine(
        NameParts{member[Field::FirstName], member[Field::MiddleInitial], member[Field::LastName]},
        style);
}

void appendTownLine(QString &out, const TownParts &town, TownSpacing spacing)
{
    if (spacing == TownSpacing::Simplified) {
        out.append(townLine(town, spacing));
        return;
    }
    out.append(town.city);
    out.append(u' ');
    out.append(town.state);
    out.append(u' ');
    out.append(town.zip);
}

QString townLine(const TownParts &town, TownSpacing spacing)
{
    QString line;
    line.reserve(town.city.size() + town.state.size() + town.zip.size() + 2);
    appendTownLine(line, town, TownSpacing::AsStored);
    if (spacing == TownSpacing::Simplified)
        return std::move(line).simplified();
    return line;
}

QString townLine(const MemberRecord &member, TownSpacing spacing)
{
    return townLine(TownParts{member[Field::City], member[Field::State], member[Field::Zip]},
                    spacing);
}

QStringList addressLines(QStringView address, AddressBreaks breaks)
{
    QStringList lines;
    forEachAddressLine(address, breaks,
                       [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

} // namespace tessaly
