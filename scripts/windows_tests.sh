#!/usr/bin/env bash
# Builds the unit and window suites for Windows against the cache that windows_deps.sh made
# and runs them under Wine, offscreen. Prints how many cases ran, passed and were left out.
#   windows_tests.sh CACHE OUT [ctest arguments...]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cache="$1"
out="$(mkdir -p "$2" && cd "$2" && pwd)"
shift 2
wine=/usr/lib/wine/wine64

export PKG_CONFIG_LIBDIR="$cache/libzip/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig"
cmake -S "$here" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-toolchain.cmake" -DCMAKE_PREFIX_PATH="$cache/qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTESSALY_BUILD_TESTS=ON -DTESSALY_BUILD_BENCH=OFF -DTESSALY_WERROR=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$out"

# Beside the test programs, what they load as an installed Tessaly would: the Qt libraries and
# plugins (qt.conf says they are here), libzip, zlib, the compiler's runtime, and fonts. On
# Windows the offscreen platform reads fonts only from its own fonts folder; without one
# every glyph would be a box and every PDF empty of text.
bin="$out/tests"
mkdir -p "$bin/platforms" "$bin/styles" "$bin/fonts"
for lib in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport Qt6Test; do cp -u "$cache/qt/bin/$lib.dll" "$bin/"; done
cp -u "$cache/qt/plugins/platforms/"*.dll "$bin/platforms/"
cp -u "$cache/qt/plugins/styles/"*.dll "$bin/styles/"
cp -u "$cache/libzip/bin/libzip.dll" /usr/x86_64-w64-mingw32/lib/zlib1.dll "$bin/"
cp -u /usr/lib/gcc/x86_64-w64-mingw32/12-posix/{libstdc++-6,libgcc_s_seh-1}.dll \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$bin/"
cp -u /usr/share/fonts/truetype/dejavu/DejaVu*.ttf "$bin/fonts/"
printf '[Paths]\nPrefix=.\nLibraries=.\nPlugins=.\n' >"$bin/qt.conf"
# The fuzz replays sit in a folder of their own and load only the runtime.
for lib in libstdc++-6 libgcc_s_seh-1 libwinpthread-1 Qt6Core zlib1 libzip; do
    [ ! -d "$bin/fuzz" ] || cp -u "$bin/$lib.dll" "$bin/fuzz/"
done

# A Wine of the build's own, its server kept running for the whole suite (a fresh server
# costs seconds per test program), and no prompts to install .NET or Gecko.
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
mkdir -p "$WINEPREFIX"
wineserver -k 2>/dev/null || true
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
[ -d "$WINEPREFIX/drive_c" ] || echo "Preparing Wine (the first time takes a few seconds) ..."
"$wine" wineboot -i >/dev/null 2>&1 || true

# Wine now and then fails to start a test program, or leaves one hanging after its last case
# has passed (about one run in 150 here); a case that fails gets one more run, and the count
# of such second runs is printed, so that a case failing for itself still fails.
log="$out/ctest.log"
status=0
ctest --test-dir "$out" --output-on-failure -j "$(nproc)" --repeat until-pass:2 "$@" 2>&1 |
    tee "$log" || status=$?
[ "${PIPESTATUS[0]}" -eq 0 ] || status=1

ran=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -n 1)
failed=$(sed -n 's/.* \([0-9]*\) tests failed out of .*/\1/p' "$log" | tail -n 1)
attempts=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*(Failed|Timeout|Exception)' "$log" || true)
left_out=$(grep -cvE '^[[:space:]]*(#|$)' "$here/tests/left_out_on_windows.txt")
echo
echo "Windows suite under Wine: ${ran:-0} run, $(( ${ran:-0} - ${failed:-0} )) passed" \
    "($(( attempts - 2 * ${failed:-0} )) on a second run), ${failed:-0} failed;"
echo "$left_out left out, each about a facility Windows lacks (tests/left_out_on_windows.txt):"
grep -vE '^[[:space:]]*(#|$)' "$here/tests/left_out_on_windows.txt" | sed 's/^/  /'
exit "$status"
