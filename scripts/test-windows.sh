#!/usr/bin/env bash
# Tests the Windows build under wine, in a wine prefix of its own that is thrown away: the whole
# ctest suite of build-win/ (Qt Test programs offscreen), then the packages as a user gets them:
# the zip unpacked and its tool compared byte for byte with the Linux build's, its editor started
# with the real windows platform plugin under Xvfb, and the installer's silent install, start
# and silent uninstall.
#
#   scripts/test-windows.sh [LINUX-BUILD]   (default: build, for the tool's reference output)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
linux_build=$(realpath "${1:-build}")
sample=$source_dir/resources/samples/sample.wpl
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
stem=varn-placement-editor-$version-win64

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# wine must not open windows on a developer's desktop: only the Xvfb steps get a display.
unset DISPLAY WAYLAND_DISPLAY
echo "test-windows: preparing a wine prefix"
wineboot --init >/dev/null 2>&1 || true
wineserver -w

echo "test-windows: the suite of build-win/ under wine"
# Qt's offscreen platform finds fonts only in a folder of its own, which a Windows machine
# lacks: the tests measure text in the same DejaVu fonts as on Linux.
export QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu
QT_QPA_PLATFORM=offscreen ctest --test-dir build-win --output-on-failure -j "$(nproc)" \
    --timeout 900

check_name=test-windows
source scripts/checks.sh

echo "test-windows: the zip"
unzip -q "build-win/$stem.zip" -d "$work/unzipped"
folder=$work/unzipped/$stem
for file in varn-placement-editor.exe varn-placement.exe hashes.dat settings.ini samples/sample.wpl \
            README.txt LICENSE.txt licenses/qt/LGPL-3.0-only.txt platforms/qwindows.dll \
            Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libwinpthread-1.dll; do
    check "the zip holds $file" test -f "$folder/$file"
done
check "the zip holds no test programs" bash -c '! ls "$1" | grep -qi -e test -e offscreen' _ "$folder"

"$linux_build/bin/varn-placement" dump --hash-table "$sample" >"$work/dump-linux.json"
wine "$folder/varn-placement.exe" dump --hash-table "$sample" >"$work/dump-windows.json"
check "dump gives the Linux build's bytes" cmp "$work/dump-linux.json" "$work/dump-windows.json"
"$linux_build/bin/varn-placement" convert "$sample" "$work/linux.xpl" >/dev/null
wine "$folder/varn-placement.exe" convert "$sample" "$work/windows.xpl" >/dev/null
check "convert to .xpl gives the Linux build's bytes" cmp "$work/linux.xpl" "$work/windows.xpl"

# Starts an editor with the real windows platform plugin, waits for its main window, takes a
# picture of the screen, and closes it as the user would (WM_CLOSE); then waits for it to end.
editor_shows_sample() {
    local program=$1 picture=$2 file
    file=$(winepath -w "$sample")
    # A wine server started without a display would keep the editor's windows off the screen.
    wineserver -k 2>/dev/null || true
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        wine "$1" "$2" >/dev/null 2>&1 &
        editor=$!
        for _ in $(seq 60); do
            window=$(xdotool search --name "^Varn Placement Editor 0\.9 # .*sample\.wpl$" 2>/dev/null | head -n 1)
            [ -n "$window" ] && break
            sleep 1
        done
        [ -n "$window" ] || { echo "no main window" >&2; kill $editor; exit 1; }
        sleep 2
        import -window root "$3" 2>/dev/null || true
        wine taskkill /im varn-placement-editor.exe >/dev/null 2>&1
        wait $editor' _ "$program" "$file" "$picture"
    local status=$?
    wineserver -k 2>/dev/null || true
    return $status
}
check "the unzipped editor shows the sample and closes" \
    editor_shows_sample "$folder/varn-placement-editor.exe" "$work/editor-zip.png"
[ -f "$work/editor-zip.png" ] && mkdir -p build-win/shots && cp "$work/editor-zip.png" build-win/shots/

echo "test-windows: the installer"
installed="$WINEPREFIX/drive_c/Program Files/Varn Placement Editor"
wine "build-win/$stem-setup.exe" /S
wineserver -w
check "the installer puts the editor into Program Files" test -f "$installed/varn-placement-editor.exe"
check "the installer writes an uninstaller" test -f "$installed/uninstall.exe"
check "the installed editor shows the sample and closes" \
    editor_shows_sample "$installed/varn-placement-editor.exe" "$work/editor-installed.png"
wine "$installed/uninstall.exe" /S
wineserver -w
check "the uninstaller leaves nothing in Program Files" test ! -e "$installed"

echo "test-windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
