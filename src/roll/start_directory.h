#pragma once

#include <QString>

namespace tessaly {

// The folder the program was started in, as a path that reaches it for the whole run
// whatever the current directory becomes. Normally its absolute name. A name that is
// not valid UTF-8 cannot travel as text (every invalid byte would become U+FFFD and
// name a folder that does not exist), so such a folder is reached through a handle
// kept open for the run, as /proc/self/fd/N.
QString startDirectoryPath();

} // namespace tessaly
