#pragma once

#include "platform/platform.h"
#include "roll/roll_messages.h"
#include "roll/roll_session.h"

namespace tessaly {

// How the program's roll session saves: each day's backup dated by the platform's
// clock, and the operator asked before a save replaces a file another program has
// changed. The program, its window tests and the benchmarks all make their sessions
// with it, so that every one of them saves as the program does. The platform must
// outlive the session.
inline RollSession::SaveContext rollSaveContext(Platform &platform)
{
    return {[&platform] { return platform.clock.today(); },
            [&platform](const QString &path) {
                return platform.messages.ask(changedOnDiskMessage(path), changedOnDiskTitle()) ==
                       Answer::Yes;
            }};
}

} // namespace tessaly
