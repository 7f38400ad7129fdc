#!/usr/bin/env bash
# Installs the Debian packages that are missing; quiet and quick when everything is present.
#
#   scripts/install-deps.sh         what building and running the editor needs (./run.sh)
#   scripts/install-deps.sh --test  that and what the tests need as well (./test.sh)
#   scripts/install-deps.sh --windows  that and what the Windows build, its packages and their
#                                      tests under wine need (scripts/build-windows.sh)
set -euo pipefail

# Building and running the editor; lupdate and lrelease (and their CMake functions) build the
# catalogues of the window's texts, Qt's own catalogues name its standard buttons, and help2man
# writes the manual pages from the programs' help.
packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev libgl-dev fonts-dejavu-core
    libsimdjson-dev help2man
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

# The tests: test frameworks and benchmarks, clang with libFuzzer, mingw-w64 and wine for the
# Windows registry code, the package and desktop-file checks of the installed program (lintian,
# both AppStream validators, and the MIME lookups of xdg-mime, through File::MimeInfo, and gio),
# and a virtual display with a screenshot tool for looking at the windows.
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64 wine wine64
    dpkg-dev file desktop-file-utils appstream appstream-util shared-mime-info man-db
    lintian help2man xdg-utils libfile-mimeinfo-perl libglib2.0-bin
    xvfb xauth imagemagick
)

# Windows: the posix-thread mingw-w64 compilers (std::thread), the tools that fetch and unpack
# Debian's source packages of Qt and simdjson, NSIS for the installer, zip, and a virtual display
# with xdotool for the window under wine.
windows_packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 nsis zip unzip dpkg-dev xz-utils libgtest-dev xvfb xauth xdotool imagemagick
)

case "${1:-}" in
    "") ;;
    --test) packages+=("${test_packages[@]}" "${windows_packages[@]}") ;;
    --windows) packages+=("${windows_packages[@]}") ;;
    *) echo "usage: scripts/install-deps.sh [--test|--windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Missing packages (${missing[*]}) and no sudo to install them." >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
