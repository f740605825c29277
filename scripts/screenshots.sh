#!/usr/bin/env bash
# Takes the README's pictures anew from the real program under Wine on a private display:
# docs/main-window.png (ready to save), docs/open-file-dialog.png, docs/folder-chooser.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_packages
run_on_private_display "$0" "$@"
build_windows
setup_wine_prefix
trap 'stop_started; rm -rf "$shots"' EXIT
shots=$(mktemp -d)
start_wineserver
start_desktop_keeper
"$WINE" "$BUILD_DIR/win/tests/gui/readme_screenshots.exe" "$BUILD_DIR/win/app/brenvale.exe" "$shots"
for name in main-window open-file-dialog folder-chooser; do
    # No time stamps or other metadata: the same pictures give the same files.
    convert "$shots/$name.bmp" -strip "PNG24:$ROOT/docs/$name.png"
    echo "docs/$name.png"
done
