#include "report_window/report_window_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

QString reportWindowTitle()
{
    return u"Database Functions"_s;
}

QString invalidQueryDateTitle()
{
    return u"Valid Date Required."_s;
}

QString invalidQueryDateMessage()
{
    return u"Please enter a valid date."_s;
}

QString resetDuesTitle()
{
    return u"Are you sure?"_s;
}

QString resetDuesQuestion()
{
    return u"This action will set the dues value to NO for ALL members.  Do you wish to proceed?"_s;
}

} // namespace tessaly
