#!/usr/bin/env bash
# Builds Tessaly for release in build/bench and prints one table of every benchmark at
# 1,000 and 10,000 members, with the targets a full roll must meet. Arguments go to the
# benchmark program, e.g. ./bench.sh --benchmark_filter=Window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
ensure_packages "${TESSALY_BUILD_PACKAGES[@]}" libbenchmark-dev unzip

build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCH=ON >/dev/null
cmake --build "$build"

model=$(lscpu | sed -n 's/^Model name: *//p' | head -n 1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo 6)
echo "Machine: ${model:-unknown processor}, $(nproc) cores, Qt $qt, Release build"
echo
QT_QPA_PLATFORM=offscreen "$build/bench/tessaly_bench" "$@"
