#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and starts it in the club's roll folder.
#   ./run.sh            the roll in ~/Tessaly (or $XDG_DOCUMENTS_DIR/Tessaly when that is set)
#   ./run.sh FOLDER     the roll in FOLDER
#   ./run.sh --sample   a fresh copy of the sample club, in a new temporary folder
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

# A folder named on the command line is the caller's, relative to where they stand.
args=()
for arg in "$@"; do
    case "$arg" in
        --sample) args+=("$arg") ;;
        -h|--help) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "run.sh: unknown option $arg" >&2; exit 2 ;;
        /*) args+=("$arg") ;;
        *) args+=("$PWD/$arg") ;;
    esac
done
cd "$here"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tessaly is a desktop program and there is no display here." >&2
    echo "Start it from a desktop session, or under a virtual display:" >&2
    echo "    sudo apt-get install xvfb && xvfb-run ./run.sh $*" >&2
    exit 1
fi

source scripts/ensure_packages.sh
ensure_packages "${TESSALY_BUILD_PACKAGES[@]}"

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
# The installed layout in a folder of the build, so the roll folder is prepared by the very
# launcher that the installed program uses.
cmake --install "$build" --prefix "$here/$build/stage" >/dev/null

exec "$here/$build/stage/bin/tessaly-launch" "${args[@]}"
