#!/usr/bin/env bash
# Builds Tessaly for Windows on this Debian machine: the installer and a portable zip.
#   ./package-windows.sh          build/windows/Tessaly-<version>-setup.exe and -portable.zip
#   ./package-windows.sh --test   also builds the unit and window suites for Windows and runs
#                                 them under Wine, offscreen
# Qt and libzip for Windows are built from Debian's own source packages into a cache
# (~/.cache/tessaly/windows-<versions>) that later runs reuse.
set -euo pipefail
cd "$(dirname "$0")"
here="$PWD"

run_tests=false
for arg in "$@"; do
    case "$arg" in
        --test) run_tests=true ;;
        -h|--help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "package-windows.sh: unknown option $arg" >&2; exit 2 ;;
    esac
done

source scripts/ensure_packages.sh
ensure_packages "${TESSALY_WINDOWS_PACKAGES[@]}"

cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/tessaly"
if ! ls "$cache_root"/windows-*/ready >/dev/null 2>&1; then
    echo "A first run builds Qt for Windows from Debian's source: about half an hour."
fi
cache="$(scripts/windows_deps.sh "$cache_root" | tail -n 1)"

version=$(sed -n 's/^project(Tessaly VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=build/windows
export PKG_CONFIG_LIBDIR="$cache/libzip/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig"
cmake -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-toolchain.cmake" -DCMAKE_PREFIX_PATH="$cache/qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCH=OFF \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$out/build" --target tessaly

# The program folder as installed: the program, the Qt libraries and plugins it loads, libzip
# and zlib, and the compiler's runtime. Qt finds its plugins beside the program.
stage="$out/stage"
rm -rf "$stage"
mkdir -p "$stage/platforms" "$stage/styles"
cp "$out/build/src/app/tessaly.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/tessaly.exe"
for lib in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do cp "$cache/qt/bin/$lib.dll" "$stage/"; done
cp "$cache/qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$cache/qt/plugins/styles/"*.dll "$stage/styles/"
cp "$cache/libzip/bin/libzip.dll" /usr/x86_64-w64-mingw32/lib/zlib1.dll "$stage/"
cp /usr/lib/gcc/x86_64-w64-mingw32/12-posix/{libstdc++-6,libgcc_s_seh-1}.dll \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"

# What a new roll folder starts with, as the Linux launcher gives it: the help text, the usual
# 30-per-sheet Letter labels and an empty roll.
roll_files="$out/roll-files"
rm -rf "$roll_files"
mkdir -p "$roll_files"
cp samples/readtess.txt "$roll_files/"
printf '%s\r\n' '10,3,.5,.1875,1,2.75,10' >"$roll_files/labelrcp.dat"
: >"$roll_files/AddrClub.dat"

# The uninstaller removes exactly the files the installer put in the program folder.
uninstall_list="$out/uninstall-files.nsh"
(cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g' | sort |
    sed 's|^|  Delete "$INSTDIR\\|; s|$|"|'
 cd "$here/$stage" && find . -mindepth 1 -type d | sed 's|^\./||; s|/|\\|g' | sort -r |
    sed 's|^|  RMDir "$INSTDIR\\|; s|$|"|') >"$uninstall_list"

setup="$out/Tessaly-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DSTAGE="$here/$stage" -DROLLFILES="$here/$roll_files" \
    -DUNINSTALL_LIST="$here/$uninstall_list" -DOUTFILE="$here/$setup" packaging/windows/tessaly.nsi
portable="$out/Tessaly-$version-portable.zip"
rm -f "$portable"
rm -rf "$out/portable" && mkdir -p "$out/portable/Tessaly"
cp -r "$stage"/. "$roll_files"/. "$out/portable/Tessaly/"
(cd "$out/portable" && cmake -E tar cf "$here/$portable" --format=zip Tessaly)
echo "Windows installer: $setup"
echo "Portable zip:      $portable"

if $run_tests; then
    scripts/windows_tests.sh "$cache" "$out/tests"
fi
