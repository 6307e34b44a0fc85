#include "roll/member_list_line.h"

namespace tessaly {

QString memberListLine(const MemberRecord &record)
{
    QString line = record[Field::LastName] + QStringLiteral(", ") + record[Field::FirstName] +
                   u' ' + record[Field::MiddleInitial];
    if (!record[Field::Call].isEmpty())
        line += QStringLiteral(" - ") + record[Field::Call];
    return line;
}

} // namespace tessaly
