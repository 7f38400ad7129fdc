#!/usr/bin/env bash
# Installs a build into a temporary prefix and uses it as a user would, with a home folder of its
# own: both programs' --version without a display, the editor's --help, the dictionary found in
# <prefix>/share/varn-placement-editor, the settings kept in the user's configuration folder
# (made at the first start from the shipped file, kept at later ones) while the installed files
# stay untouched, and a portable copy that keeps its settings beside it. The desktop files are
# validated with the desktop's own tools, the MIME types asked of xdg-mime and gio (a media
# playlist that shares the .wpl extension stays a playlist), and the manual pages read for every
# command of the tool's --help. Then the Debian package is built and its files, dependencies and
# lintian's verdict are checked.
#
#   scripts/test-install.sh [BUILD-FOLDER]     (default: build, configured with VARN_BUILD_GUI=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$(realpath "${1:-build}")
sample=$source/resources/samples/sample.wpl
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
user_settings=$XDG_CONFIG_HOME/varn-placement-editor/settings.ini

check_name=test-install
source scripts/checks.sh
# Quiet unless it fails.
quiet() { "$@" >"$work/out" 2>&1 || { cat "$work/out" >&2; false; }; }
fails() { ! "$@"; }
same() { [ "$1" = "$2" ] || { printf '  expected: %s\n  got:      %s\n' "$2" "$1" >&2; false; }; }
has_line() { grep -qxF -- "$2" "$1"; }
fingerprint() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
# The editor offscreen: starts, loads the file, closes as the user would; exit 1 after any error.
editor() { "$1" --close-after-start "$sample" 2>"$work/editor.err"; }
editor_ok() { editor "$1" || { cat "$work/editor.err" >&2; false; }; }

echo "test-install: installing into a temporary prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

expected_files=(
    bin/varn-placement
    bin/varn-placement-editor
    share/varn-placement-editor/hashes.dat
    share/varn-placement-editor/settings.ini
    share/applications/varn-placement-editor.desktop
    share/mime/packages/varn-placement-editor.xml
    share/metainfo/org.example.varn_placement_editor.metainfo.xml
    share/man/man1/varn-placement.1.gz
    share/man/man1/varn-placement-editor.1.gz
    share/doc/varn-placement-editor/copyright
    share/doc/varn-placement-editor/changelog.Debian.gz
    share/lintian/overrides/varn-placement-editor
)
for size in 16 22 24 32 48 64 128 256; do
    expected_files+=("share/icons/hicolor/${size}x${size}/apps/varn-placement-editor.png")
done
printf '%s\n' "${expected_files[@]}" | sort >"$work/expected-files"
(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/installed-files"
check "the prefix holds exactly the program's files" diff "$work/expected-files" "$work/installed-files"

check "desktop entry" quiet desktop-file-validate "$prefix/share/applications/varn-placement-editor.desktop"
metainfo=$prefix/share/metainfo/org.example.varn_placement_editor.metainfo.xml
check "AppStream metainfo (appstreamcli)" quiet appstreamcli validate --pedantic --no-net "$metainfo"
check "AppStream metainfo (appstream-util)" quiet appstream-util validate-strict --nonet "$metainfo"

# The MIME types among the system's own, as a desktop sees them.
mkdir -p "$work/mime-data/mime/packages"
cp /usr/share/mime/packages/*.xml "$prefix/share/mime/packages/varn-placement-editor.xml" \
    "$work/mime-data/mime/packages/"
update-mime-database "$work/mime-data/mime" >/dev/null 2>&1
printf '<?wpl version="1.0"?>\n<smil><body><seq><media src="a.mp3"/></seq></body></smil>\n' \
    >"$work/playlist.wpl"
cp "$sample" "$work/sample.wpl"
"$build/bin/varn-placement" convert "$sample" "$work/sample.xpl" >/dev/null
file_type() {
    XDG_DATA_DIRS=$work/mime-data XDG_DATA_HOME=$work/no-data "$@" 2>/dev/null
}
for mime in "playlist.wpl application/vnd.ms-wpl" "sample.wpl application/x-varn-placement" \
            "sample.xpl application/x-varn-placement-xenon"; do
    set -- $mime
    check "xdg-mime: $1 is $2" same "$(file_type xdg-mime query filetype "$work/$1")" "$2"
    check "gio: $1 is $2" same \
        "$(file_type gio info -a standard::content-type "$work/$1" | sed -n 's/^ *standard::content-type: //p')" "$2"
done

for page in varn-placement varn-placement-editor; do
    check "man page $page" bash -c '! MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null | grep .' \
        _ "$prefix/share/man/man1/$page.1.gz"
done
# Every command the tool's --help lists has its part of the page.
zcat "$prefix/share/man/man1/varn-placement.1.gz" >"$work/tool-page"
"$build/bin/varn-placement" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\).*/\1/p' \
    >"$work/tool-commands"
check "the tool's --help lists commands" test -s "$work/tool-commands"
while read -r command; do
    check "man page has the command $command" grep -qx "\.SS $command" "$work/tool-page"
done <"$work/tool-commands"

# Version and help need no display at all.
nodisplay() { env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$@"; }
check "tool --version" same "$(nodisplay "$prefix/bin/varn-placement" --version)" "varn-placement $version"
check "editor --version" same "$(nodisplay "$prefix/bin/varn-placement-editor" --version)" \
    "varn-placement-editor $version"
nodisplay "$prefix/bin/varn-placement-editor" --help >"$work/help"
check "editor --help names its argument" grep -q '^Usage: varn-placement-editor \[options\] \[file\]$' "$work/help"
check "editor --help explains the argument" grep -q '^  file  *A placement file to open' "$work/help"

# The installed tool reads the installed dictionary: the same names as the build's own.
"$build/bin/varn-placement" dump --hashes "$build/bin/hashes.dat" "$sample" >"$work/names-build.json"
"$prefix/bin/varn-placement" dump "$sample" >"$work/names-installed.json"
check "tool finds the installed dictionary" cmp -s "$work/names-build.json" "$work/names-installed.json"

before=$(fingerprint "$prefix")
check "editor starts with the installed dictionary" editor_ok "$prefix/bin/varn-placement-editor"
check "first start copies the shipped settings" has_line "$user_settings" "sect0cap=Section 0 (Instance)"
check "closing writes the widths to the user's settings" grep -q '^Col0width=' "$user_settings"
sed -i 's/^Col0width=.*/Col0width=123/' "$user_settings"
check "a later start" editor_ok "$prefix/bin/varn-placement-editor"
check "a later start keeps the user's settings" has_line "$user_settings" "Col0width=123"
check "the installed files stay untouched" same "$(fingerprint "$prefix")" "$before"

# A portable copy: everything in one writable folder keeps its settings beside the program.
mkdir "$work/portable"
cp "$prefix/bin/varn-placement-editor" "$prefix/share/varn-placement-editor/"* "$work/portable/"
sed -i 's/^Col0width=.*//' "$work/portable/settings.ini"
user_before=$(cat "$user_settings")
check "portable copy starts" editor_ok "$work/portable/varn-placement-editor"
check "portable copy writes beside itself" grep -q '^Col0width=' "$work/portable/settings.ini"
check "portable copy leaves the user's settings alone" same "$(cat "$user_settings")" "$user_before"

# Without its dictionary the editor says so, naming the file.
rm "$prefix/share/varn-placement-editor/hashes.dat"
check "a missing dictionary fails the start" fails editor "$prefix/bin/varn-placement-editor"
check "a missing dictionary is named" grep -q 'hashes\.dat' "$work/editor.err"

echo "test-install: building the Debian package"
quiet cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package"
deb=$(ls "$work/package"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
    check "package depends on $library" grep -q "$library" <<<"$depends"
done
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/||' | sort >"$work/package-files"
check "package holds the installed files under /usr" diff "$work/expected-files" "$work/package-files"
check "package version has a Debian revision" same "$(dpkg-deb -f "$deb" Version)" "$version-1"
check "lintian passes the package" quiet lintian --fail-on error,warning "$deb"

echo "test-install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
