#pragma once

#include "core/member_store.h"

#include <benchmark/benchmark.h>

namespace tessaly {

// A sorted roll of made-up members with the field lengths a real club has; the
// same count always gives the same roll.
MemberStore generatedRoll(int count);

// Every benchmark over a roll runs at a small club's size and at a full roll; the
// roll size is the benchmark's first argument.
void atRollSizes(benchmark::internal::Benchmark *bench);
inline int rollSize(const benchmark::State &state)
{
    return static_cast<int>(state.range(0));
}

} // namespace tessaly
