#!/usr/bin/env bash
# Takes the README's pictures anew from the real program under Wine on a private display:
# docs/main-window.png (ready to save), docs/open-file-dialog.png, docs/folder-chooser.png,
# and docs/main-window-200.png, the main window again at a display scale of 200 %.
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_packages
run_on_private_display "$0" "$@"
build_windows
setup_wine_prefix
# The display scale of the prefix, Windows' LogPixels, goes back to 100 % in any case.
DESKTOP_KEY='HKCU\Control Panel\Desktop'
set_scale() {
    "$WINE" reg add "$DESKTOP_KEY" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
trap 'set_scale 96; stop_started; rm -rf "$shots"' EXIT
shots=$(mktemp -d)
mkdir "$shots/100" "$shots/200"
start_wineserver
start_desktop_keeper

# No time stamps or other metadata: the same pictures give the same files.
picture() {
    convert "$shots/$1/$2.bmp" -strip "PNG24:$ROOT/docs/$3.png"
    echo "docs/$3.png"
}

set_scale 96
"$WINE" "$BUILD_DIR/win/tests/gui/readme_screenshots.exe" "$BUILD_DIR/win/app/brenvale.exe" "$shots/100"
for name in main-window open-file-dialog folder-chooser; do picture 100 "$name" "$name"; done

# Programs started from now on work at 192 dpi.
set_scale 192
"$WINE" "$BUILD_DIR/win/tests/gui/readme_screenshots.exe" "$BUILD_DIR/win/app/brenvale.exe" "$shots/200"
picture 200 main-window main-window-200
