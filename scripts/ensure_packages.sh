# Sourced by run.sh and test.sh: installs the Debian packages that are missing.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Tessaly needs these Debian packages: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}) and run this again." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]} ..."
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building Tessaly needs.
TESSALY_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core
    libcups2-dev libzip-dev pkgconf)
TESSALY_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev
    xvfb openbox xdotool x11-utils imagemagick poppler-utils
    cups printer-driver-cups-pdf
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev)
# What building the Windows package and checking it under Wine needs.
TESSALY_WINDOWS_PACKAGES=(cmake ninja-build qt6-base-dev pkgconf mingw-w64
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
    wine wine64 nsis xvfb openbox xdotool imagemagick fonts-dejavu-core dpkg-dev xz-utils)
