#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and starts it in the club's roll folder.
#   ./run.sh            the roll in ~/Tessaly
#   ./run.sh FOLDER     the roll in FOLDER
#   ./run.sh --sample   a fresh copy of the sample club, in a new temporary folder
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"

sample=0
folder="$HOME/Tessaly"
for arg in "$@"; do
    case "$arg" in
        --sample) sample=1 ;;
        -h|--help) sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "run.sh: unknown option $arg" >&2; exit 2 ;;
        *) folder="$arg" ;;
    esac
done

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

if [ "$sample" -eq 1 ]; then
    folder="$(mktemp -d "${TMPDIR:-/tmp}/tessaly-sample.XXXXXX")"
    cp samples/AddrClub.dat samples/readtess.txt "$folder/"
    echo "Sample club copied to $folder"
elif [ ! -d "$folder" ]; then
    mkdir -p "$folder"
    cp samples/readtess.txt "$folder/"
    : > "$folder/AddrClub.dat"
    echo "New, empty roll created in $folder"
fi

cd "$folder"
exec "$here/$build/src/app/tessaly"
