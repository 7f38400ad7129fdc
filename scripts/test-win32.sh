#!/usr/bin/env bash
# Builds the Windows registry code of the .wpl association with mingw-w64 and runs its test under
# wine, in a wine prefix of its own that is thrown away afterwards (so the test may also write to
# HKEY_CLASSES_ROOT). Skips with a message when the cross compiler or wine is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=x86_64-w64-mingw32-g++
wine_program=$(command -v wine || command -v wine64 || true)
if ! command -v "$compiler" >/dev/null || [ -z "$wine_program" ]; then
    echo "test-win32: SKIPPED: $compiler or wine is not installed" \
        "(scripts/install-deps.sh --test installs g++-mingw-w64-x86-64, wine and wine64)."
    exit 0
fi

# No windows: wine must not open its configuration dialog on a developer's desktop.
unset DISPLAY WAYLAND_DISPLAY
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "test-win32: building the registry test with $compiler"
"$compiler" -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -static -Ishell \
    shell/win32registry.cpp shell/filetyperegistry.cpp tests/shell/win32/win32registry_test.cpp \
    -ladvapi32 -o "$work/win32registry_test.exe"

echo "test-win32: preparing a wine prefix"
mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1 || true
wineserver -w 2>/dev/null || true

echo "test-win32: running under wine"
"$wine_program" "$work/win32registry_test.exe" --classes-root 2>"$work/wine.log" || {
    echo "test-win32: FAILED" >&2
    grep -v -e 'syswow64' -e 'has been updated' "$work/wine.log" >&2 || true
    exit 1
}
