#!/usr/bin/env bash
# The Windows package: built twice, the second time in a new build folder, into the same
# bytes; holding brenvale.exe, which needs no DLLs of its own and has no symbol table, and
# README.txt with Windows line ends; unpacked into a folder with a blank in its name,
# brenvale.exe runs under Wine to its main window and keeps its settings file beside itself.
# Run by scripts/test.sh.
set -uo pipefail
source "$(dirname "$0")/../../scripts/common.sh"
source "$ROOT/tests/package/checks.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-package-test.XXXXXX")
BRENVALE=""
cleanup() {
    [ -n "$BRENVALE" ] && wait_or_end "$BRENVALE"
    rm -rf "$WORK"
    stop_started
}
trap cleanup EXIT

package() {  # dist folder [build folder]
    local log=$WORK/package.log
    if ! BRENVALE_DIST=$1 BRENVALE_RELEASE_BUILD=${2:-$BUILD_DIR/release} \
        "$ROOT/scripts/package.sh" >"$log" 2>&1; then
        cat "$log" >&2
        return 1
    fi
}

echo "== Windows package"
check "the README names the package command" grep -qx '    ./scripts/package.sh' "$ROOT/README.md"

VERSION=$(project_version)
ZIP_NAME=brenvale-$VERSION-win64.zip
check "package.sh builds the package" package "$WORK/first"
check "a second build in a new build folder packages too" package "$WORK/second" "$WORK/build"
check "the package is named $ZIP_NAME" test -f "$WORK/first/$ZIP_NAME"
check "both builds give the same zip, byte for byte" \
    cmp "$WORK/first/$ZIP_NAME" "$WORK/second/$ZIP_NAME"
sha256sum "$WORK/first/$ZIP_NAME" "$WORK/second/$ZIP_NAME" | sed "s|$WORK/||; s/^/    /"
check "the zip holds brenvale.exe and README.txt" \
    same_text "$(unzip -Z1 "$WORK/first/$ZIP_NAME")" $'brenvale.exe\nREADME.txt'

UNPACKED="$WORK/My Programs/Brenvale"
mkdir -p "$UNPACKED" "$WORK/elsewhere"
unzip -q "$WORK/first/$ZIP_NAME" -d "$UNPACKED"
crlf_only() {
    ! grep -q $'[^\r]$\\|^$' "$1" && [ "$(tail -c2 "$1" | od -An -tx1 | tr -d ' ')" = 0d0a ]
}
check "README.txt ends every line with CR LF" crlf_only "$UNPACKED/README.txt"
check "README.txt names this version" grep -q "^Brenvale $VERSION for Windows"$'\r$' \
    "$UNPACKED/README.txt"
runtime_dlls() {
    x86_64-w64-mingw32-objdump -p "$UNPACKED/brenvale.exe" | grep -i 'DLL Name: lib'
}
check "brenvale.exe needs none of the mingw runtime's DLLs" eval '! runtime_dlls'
check "brenvale.exe comes without its symbol table" \
    eval 'x86_64-w64-mingw32-objdump -t "$UNPACKED/brenvale.exe" | grep -qx "no symbols"'

# Started from another folder, as Explorer starts it: the settings file goes beside the exe.
(cd "$WORK/elsewhere" && exec "$WINE" "$UNPACKED/brenvale.exe") &
BRENVALE=$!
check "the unpacked brenvale.exe opens its main window, ready to open, and exits" \
    "$WINE" "$WINDOW_CHECK" ready-to-open
wait_or_end "$BRENVALE"
BRENVALE=""
check "it keeps brenvale.ini beside itself" file_is "$UNPACKED/brenvale.ini" \
    '[source]\r\n\r\n[dest]\r\n\r\n'
check "and nowhere else" test ! -e "$WORK/elsewhere/brenvale.ini"

finish_checks
