#pragma once

#include <QString>

namespace tessaly {

// The report window's own texts: its title and the messages it shows.

QString reportWindowTitle();

QString invalidQueryDateTitle();
QString invalidQueryDateMessage();

QString resetDuesTitle();
QString resetDuesQuestion();

} // namespace tessaly
