#include "core/member_lines.h"

#include <array>

namespace tessaly {

namespace {

constexpr QStringView kCrLf = u"\r\n";

struct NamePart {
    QStringView text;
    QStringView separatorAfter;
};

} // namespace

QString nameLine(const NameParts &name, NameStyle style)
{
    const std::array<NamePart, 3> parts =
        style.order == NameOrder::GivenFirst
            ? std::array<NamePart, 3>{{{name.first, u" "}, {name.middle, u" "}, {name.last, {}}}}
            : std::array<NamePart, 3>{{{name.last, u", "}, {name.first, u" "}, {name.middle, {}}}};
    QString line;
    line.reserve(name.first.size() + name.middle.size() + name.last.size() + 3);
    QStringView pending; // the separator after the last part written, while another may follow
    for (const NamePart &part : parts) {
        switch (style.separators) {
        case NameSeparators::Always:
            line.append(part.text);
            line.append(part.separatorAfter);
            break;
        case NameSeparators::AfterPresent:
            line.append(part.text);
            if (!part.text.isEmpty())
                line.append(part.separatorAfter);
            break;
        case NameSeparators::BetweenPresent:
            if (part.text.isEmpty())
                break;
            if (!line.isEmpty())
                line.append(pending);
            line.append(part.text);
            pending = part.separatorAfter;
            break;
        }
    }
    return line;
}

QString nameLine(const MemberRecord &member, NameStyle style)
{
    return nameLine(
        NameParts{member[Field::FirstName], member[Field::MiddleInitial], member[Field::LastName]},
        style);
}

QString townLine(const TownParts &town, TownSpacing spacing)
{
    QString line;
    line.reserve(town.city.size() + town.state.size() + town.zip.size() + 2);
    line.append(town.city);
    line.append(u' ');
    line.append(town.state);
    line.append(u' ');
    line.append(town.zip);
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
    if (address.isEmpty() && breaks != AddressBreaks::SeparateLines)
        return lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = address.indexOf(kCrLf, start);
        if (at < 0)
            break;
        lines.append(address.mid(start, at - start).toString());
        start = at + kCrLf.size();
    }
    if (start < address.size() || breaks != AddressBreaks::EndLines)
        lines.append(address.mid(start).toString());
    return lines;
}

} // namespace tessaly
