#include "roll/member_list_line.h"

#include "core/member_lines.h"

namespace tessaly {

QString memberListLine(const MemberRecord &record)
{
    QString line = nameLine(record, {NameOrder::LastFirst, NameSeparators::Always});
    if (!record[Field::Call].isEmpty())
        line += QStringLiteral(" - ") + record[Field::Call];
    return line;
}

} // namespace tessaly
