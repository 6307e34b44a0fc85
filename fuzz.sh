#!/usr/bin/env bash
# Fuzzes the file readers with libFuzzer for longer than ./test.sh's corpus replay does.
#   ./fuzz.sh [seconds per target] [target ...]     targets: club_data label_settings sheet
# Builds with clang in build/fuzz (AddressSanitizer, UndefinedBehaviorSanitizer, leak
# checks) and runs each target for the given time (60 s by default), one after the other,
# over a working copy of its corpus in build/fuzz/corpus/<target>; the committed corpus in
# tests/fuzz/corpus/<target> is only read. An input that crashes, hangs, leaks or breaks a
# round trip is saved in build/fuzz/findings/<target>/; once it is fixed, copy it into
# tests/fuzz/corpus/<target>/ under a name that says what it is, and ./test.sh replays it
# from then on. libFuzzer stops at the first finding; to go on and gather them all, run
#   TESSALY_FUZZ_FLAGS="-fork=1 -ignore_crashes=1" ./fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
ensure_packages "${TESSALY_BUILD_PACKAGES[@]}" clang libclang-rt-14-dev libgtest-dev libgmock-dev

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(club_data label_settings sheet)

build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
    -DTESSALY_SANITIZE=ON -DTESSALY_FUZZ=ON -DTESSALY_BUILD_BENCH=OFF -DTESSALY_DESKTOP_TESTS=OFF
cmake --build "$build" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$work" "$findings"
    dict=()
    [ -f "tests/fuzz/$target.dict" ] && dict=(-dict="tests/fuzz/$target.dict")
    echo "== $target for ${seconds} s"
    # shellcheck disable=SC2086
    "$build/tests/fuzz/${target}_fuzz" "${dict[@]}" ${TESSALY_FUZZ_FLAGS:-} -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$work" "tests/fuzz/corpus/$target" || status=1
done
if [ $status -ne 0 ]; then
    echo "Findings are in $build/findings/." >&2
fi
exit $status
