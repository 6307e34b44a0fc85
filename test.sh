#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs every test offscreen.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
ensure_packages "${TESSALY_BUILD_PACKAGES[@]}" "${TESSALY_TEST_PACKAGES[@]}"

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSALY_WERROR=ON -DTESSALY_SANITIZE=ON -DTESSALY_BUILD_TESTS=ON -DTESSALY_BUILD_BENCH=ON
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@"
