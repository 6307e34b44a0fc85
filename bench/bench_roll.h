#pragma once

#include "core/member_store.h"

namespace tessaly {

// A sorted roll of made-up members with the field lengths a real club has; the
// same count always gives the same roll.
MemberStore generatedRoll(int count);

} // namespace tessaly
