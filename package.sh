#!/usr/bin/env bash
# Installs what is missing, builds Tessaly for release and makes its Debian package,
# build/package/tessaly_VERSION_ARCH.deb, then shows what it holds and depends on.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
# dpkg-shlibdeps works out the libraries the package depends on; cpack finds the program with file.
ensure_packages "${TESSALY_BUILD_PACKAGES[@]}" dpkg-dev file

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DTESSALY_BUILD_TESTS=OFF -DTESSALY_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/tessaly_*.deb
(cd "$build" && cpack -G DEB >/dev/null)

deb="$(ls "$build"/tessaly_*.deb)"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo
echo "Built $deb"
echo "Install it with:  sudo apt-get install ./$deb"
