#!/usr/bin/env bash
# Builds what a Windows Tessaly links against, from Debian's own packages, into a cache that
# later runs reuse: Qt (Debian's qt6-base source, cross-built with mingw-w64) and libzip (its
# source package); zlib is Debian's libz-mingw-w64-dev. Prints the cache folder last.
#   windows_deps.sh [CACHE_ROOT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/ensure_packages.sh"
ensure_packages googletest mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    libz-mingw-w64-dev dpkg-dev xz-utils cmake ninja-build pkgconf qt6-base-dev

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
zip_version=$(dpkg-query -W -f='${Version}' libzip-dev 2>/dev/null || apt-cache policy libzip-dev | awk '/Candidate/ {print $2}')
# A binary rebuild (+b1) has the source version without that suffix.
qt_version="${qt_version%+b[0-9]*}"
zip_version="${zip_version%+b[0-9]*}"
root="${1:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly}"
cache="$root/windows-qt${qt_version}-zip${zip_version}"
cache="${cache//[:+~]/_}"
mkdir -p "$cache"

# apt with a source list and lists of its own, so that the machine's apt setup is untouched.
apt_dir="$cache/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
: >"$apt_dir/sources.list"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    case "$file" in
    *.sources)
        awk -v RS= '/Types:[^\n]*deb/ && /deb\.debian\.org|debian/ {
            uri = ""; suites = ""; comps = ""; key = ""
            n = split($0, lines, "\n")
            for (i = 1; i <= n; i++) {
                if (lines[i] ~ /^URIs:/) { sub(/^URIs: */, "", lines[i]); uri = lines[i] }
                if (lines[i] ~ /^Suites:/) { sub(/^Suites: */, "", lines[i]); suites = lines[i] }
                if (lines[i] ~ /^Components:/) { sub(/^Components: */, "", lines[i]); comps = lines[i] }
                if (lines[i] ~ /^Signed-By:/) { sub(/^Signed-By: */, "", lines[i]); key = lines[i] }
            }
            if (uri !~ /debian/) next
            split(suites, s, " ")
            for (j in s) printf "deb-src%s %s %s %s\n", (key ? " [signed-by=" key "]" : ""), uri, s[j], comps
        }' "$file" >>"$apt_dir/sources.list" ;;
    *) sed -n 's/^deb \(.*debian.*\)$/deb-src \1/p' "$file" >>"$apt_dir/sources.list" ;;
    esac
done
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache::Archives=$apt_dir/archives"
    -o Debug::NoLocking=1)
src="$cache/src"
mkdir -p "$src"
if [ ! -d "$src/qt" ] || [ ! -d "$src/libzip" ]; then
    apt-get "${apt_opts[@]}" update -qq
    (cd "$src" && apt-get "${apt_opts[@]}" source --download-only "qt6-base=$qt_version" "libzip=$zip_version")
    (cd "$src" && for dsc in *.dsc; do dpkg-source --no-check -x "$dsc" >/dev/null; done)
    mv "$src"/qt6-base-*/ "$src/qt"
    mv "$src"/libzip-*/ "$src/libzip"
fi

toolchain="$cache/mingw-toolchain.cmake"
cat >"$toolchain" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $cache/qt $cache/libzip $cache/gtest)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

jobs=$(nproc)
if [ ! -e "$cache/qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "Building Qt for Windows (about half an hour on two cores the first time) ..."
    features=(-DFEATURE_tabletevent=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF
        -DFEATURE_vulkan=OFF -DFEATURE_direct2d1_1=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF
        -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
        -DFEATURE_glib=OFF -DFEATURE_zstd=OFF -DFEATURE_testlib=ON -DFEATURE_pkg_config=OFF
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
        -DFEATURE_system_doubleconversion=OFF)
    cmake -S "$src/qt" -B "$cache/build/qt" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$cache/qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "${features[@]}" \
        >"$cache/qt-configure.log" 2>&1 || { tail -40 "$cache/qt-configure.log" >&2; exit 1; }
    nice -n 10 cmake --build "$cache/build/qt" --parallel "$jobs" >"$cache/qt-build.log" 2>&1 ||
        { tail -40 "$cache/qt-build.log" >&2; exit 1; }
    cmake --install "$cache/build/qt" >"$cache/qt-install.log" 2>&1
fi

if [ ! -e "$cache/libzip/lib/libzip.dll.a" ]; then
    (cd "$src/libzip" && { [ ! -d debian/patches ] || [ -e .patched ] ||
        { for p in $(cat debian/patches/series 2>/dev/null); do patch -p1 -N <"debian/patches/$p" >/dev/null || true; done; touch .patched; }; })
    cmake -S "$src/libzip" -B "$cache/build/libzip" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$cache/libzip" \
        -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_GNUTLS=OFF \
        -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF -DENABLE_WINDOWS_CRYPTO=ON \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
        >"$cache/libzip-configure.log" 2>&1 || { tail -40 "$cache/libzip-configure.log" >&2; exit 1; }
    cmake --build "$cache/build/libzip" --parallel "$jobs" >"$cache/libzip-build.log" 2>&1 ||
        { tail -40 "$cache/libzip-build.log" >&2; exit 1; }
    cmake --install "$cache/build/libzip" >/dev/null
fi
# GoogleTest for the Windows build of the tests, from Debian's own source (googletest).
if [ ! -e "$cache/gtest/lib/libgtest.a" ] && [ -d /usr/src/googletest ]; then
    cmake -S /usr/src/googletest -B "$cache/build/gtest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$cache/gtest" -DBUILD_GMOCK=OFF \
        >"$cache/gtest-configure.log" 2>&1 || { tail -40 "$cache/gtest-configure.log" >&2; exit 1; }
    cmake --build "$cache/build/gtest" --parallel "$jobs" >"$cache/gtest-build.log" 2>&1 ||
        { tail -40 "$cache/gtest-build.log" >&2; exit 1; }
    cmake --install "$cache/build/gtest" >/dev/null
fi
touch "$cache/ready"
echo "$cache"
