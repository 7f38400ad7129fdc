#!/usr/bin/env bash
# Builds the editor for 64-bit Windows: Qt from Debian's source archive, cross-built once with
# mingw-w64 into a cache outside the tree; then the project into build-win/ and its two packages,
# a portable zip and an NSIS installer.
#
#   scripts/build-windows.sh            all of it
#   scripts/build-windows.sh --qt-only  only the cached Qt
#
# The cache (${XDG_CACHE_HOME:-~/.cache}/varn-placement-editor) keeps the Qt build between runs:
# a finished Qt is reused while its key (Qt version, compiler version, configure options) is the
# same; a build that was cut short is resumed; a build for another key is redone.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
jobs=$(nproc)

case "${1:-}" in
    "") qt_only=0 ;;
    --qt-only) qt_only=1 ;;
    *) echo "usage: scripts/build-windows.sh [--qt-only]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh --windows

qt_version=6.4.2
triple=x86_64-w64-mingw32
cache=${XDG_CACHE_HOME:-$HOME/.cache}/varn-placement-editor
qt_prefix=$cache/qt-$qt_version-win64
qt_build=$cache/qt-$qt_version-win64-build
sources=$cache/sources
mkdir -p "$cache" "$sources"

# The toolchain file lives in the cache too: the Qt build remembers its path, and a clone of the
# project may move or go away.
toolchain=$cache/mingw-w64.cmake
cp cmake/mingw-w64.cmake "$toolchain.new" && mv "$toolchain.new" "$toolchain"

# Only what the programs use; Qt's own bundled libraries, so nothing comes from outside Debian.
# Debian's tarball has no wintab.h (tablet events), and without OpenGL Qt 6.4 still turns on
# dynamic GL, which the windows platform plugin then fails to build with. Direct2D stays on: the
# windows platform plugin wants the DirectWrite font database, which Gui builds only with it.
# Every feature is named with its value, so that a changed list reconfigures a build in place.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_direct2d=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
)
compiler_version=$("$triple-g++-posix" -dumpfullversion)
# Another compiler or toolchain means a new build; other options reconfigure the one there is.
compiler_key="qt $qt_version; $triple-g++-posix $compiler_version; $(sha256sum <"$toolchain" | cut -c1-16)"
qt_key="$compiler_key; ${qt_options[*]}"

# Debian's source packages need deb-src lines: the same archives as the machine's deb lines.
ensure_source_lists() {
    if apt-get source --print-uris "qt6-base=$qt_version*" 2>/dev/null | grep -q "qt6-base"; then
        return
    fi
    local list=/etc/apt/sources.list.d/varn-deb-src.sources tmp
    tmp=$(mktemp)
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && [ "$f" != "$list" ] || continue
        grep -q '^Types:.*\bdeb\b' "$f" || continue
        sed -e 's/^Types:.*/Types: deb-src/' "$f" >>"$tmp"
        echo >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"${list%.sources}.list.new"
        [ -s "${list%.sources}.list.new" ] && mv "${list%.sources}.list.new" "${list%.sources}.list"
        rm -f "${list%.sources}.list.new"
    fi
    [ -s "$tmp" ] && install -m 0644 "$tmp" "$list"
    rm -f "$tmp"
    echo "build-windows: source lists added; updating the package lists"
    apt-get update -qq
}

# Unpacks the orig tarball of a Debian source package into $sources/<dir>, once.
fetch_source() {
    local package=$1 dir=$2
    [ -f "$sources/$dir/.unpacked" ] && return
    ensure_source_lists
    (cd "$sources" && apt-get source --download-only -qq "$package" 2>&1 >/dev/null |
        grep -v "unsandboxed" >&2 || true)
    local tarball
    tarball=$(ls "$sources/${package}"_*.orig.tar.* | head -n 1)
    [ -f "$tarball" ] || { echo "build-windows: no source of $package" >&2; exit 1; }
    rm -rf "${sources:?}/$dir"
    mkdir -p "$sources/$dir.part"
    tar -xf "$tarball" -C "$sources/$dir.part"
    # A tarball of one top folder is that folder; else the files themselves.
    local top
    top=$(find "$sources/$dir.part" -mindepth 1 -maxdepth 1)
    if [ "$(echo "$top" | wc -l)" = 1 ] && [ -d "$top" ]; then
        mv "$top" "$sources/$dir"
        rmdir "$sources/$dir.part"
    else
        mv "$sources/$dir.part" "$sources/$dir"
    fi
    touch "$sources/$dir/.unpacked"
}

build_qt() {
    if [ -f "$qt_prefix/.build-key" ] && [ "$(cat "$qt_prefix/.build-key")" = "$qt_key" ]; then
        echo "build-windows: Qt $qt_version for Windows is in the cache"
        return
    fi
    fetch_source qt6-base "qtbase-everywhere-src-$qt_version"
    if [ ! -f "$qt_build/.compiler-key" ] || [ "$(cat "$qt_build/.compiler-key")" != "$compiler_key" ]; then
        rm -rf "$qt_build" "$qt_prefix"
    fi
    if [ ! -f "$qt_build/.build-key" ] || [ "$(cat "$qt_build/.build-key")" != "$qt_key" ]; then
        echo "build-windows: configuring Qt $qt_version for Windows"
        rm -f "$qt_build/.build-key"
        mkdir -p "$qt_build"
        cmake -S "$sources/qtbase-everywhere-src-$qt_version" -B "$qt_build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}" >"$qt_build/configure.log" 2>&1 ||
            { tail -n 40 "$qt_build/configure.log" >&2; exit 1; }
        echo "$compiler_key" >"$qt_build/.compiler-key"
        echo "$qt_key" >"$qt_build/.build-key"
    else
        echo "build-windows: resuming the Qt build"
    fi
    echo "build-windows: building Qt (about 30 minutes of 2 cores, once)"
    cmake --build "$qt_build" -j "$jobs" >"$qt_build/build.log" 2>&1 ||
        { tail -n 40 "$qt_build/build.log" >&2; exit 1; }
    rm -rf "$qt_prefix"
    cmake --install "$qt_build" >"$qt_build/install.log" 2>&1 ||
        { tail -n 40 "$qt_build/install.log" >&2; exit 1; }
    echo "$qt_key" >"$qt_prefix/.build-key"
}

build_qt
[ "$qt_only" = 1 ] && exit 0

# simdjson's single-file source; GoogleTest's source comes with libgtest-dev.
fetch_source simdjson "simdjson-src"
simdjson_dir=$(dirname "$(find "$sources/simdjson-src" -path '*/singleheader/simdjson.cpp' | head -n 1)")

# The build runs two of the project's own programs (the pictures, hashes.dat): a native build
# of just those.
echo "build-windows: the native tools the build runs"
cmake -S . -B build-win/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARN_BUILD_GUI=ON \
    -DVARN_BUILD_TESTS=OFF -DVARN_BUILD_BENCH=OFF >/dev/null
cmake --build build-win/host -j "$jobs" --target varn-placement varn-art-generator >/dev/null

echo "build-windows: cross-building the project into build-win/"
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$source_dir/scripts/wine-run.sh" \
    -DVARN_HOST_BIN_DIR="$source_dir/build-win/host/bin" \
    -DVARN_SIMDJSON_SOURCE_DIR="$simdjson_dir" \
    -DVARN_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DVARN_QT_LICENSE_DIR="$sources/qtbase-everywhere-src-$qt_version/LICENSES" \
    -DVARN_BUILD_GUI=ON -DVARN_BUILD_TESTS=ON -DVARN_BUILD_BENCH=OFF >/dev/null
cmake --build build-win -j "$jobs"
cmake --build build-win --target packages
ls -l build-win/*.zip build-win/*-setup.exe
