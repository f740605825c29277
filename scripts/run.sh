#!/usr/bin/env bash
# Builds brenvale.exe alone (the release configuration) and starts it under Wine on your
# X display. Arguments go to
# brenvale.exe as its photo paths, as when photos are dropped onto the program's icon.
# Without a display, BRENVALE_XVFB=1 starts a private, invisible one (for screenshots
# and scripted checks). Installs what is missing (Debian).
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ "${BRENVALE_XVFB:-0}" != 1 ] && [ -z "${DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
No X display: DISPLAY is not set, so Brenvale's window has nowhere to show.
Start this script from a desktop session (or over ssh -X), set DISPLAY to your display,
for example DISPLAY=:0, or run it with BRENVALE_XVFB=1 on a private invisible display.
TEXT
    exit 2
fi

install_packages
if [ "${BRENVALE_XVFB:-0}" = 1 ]; then
    run_on_private_display "$0" "$@"
    echo "Brenvale runs on the private display $DISPLAY"
fi
build_release
setup_wine_prefix

status=0
"$WINE" "$BUILD_DIR/release/app/brenvale.exe" "$@" || status=$?
if [ "${BRENVALE_XVFB:-0}" = 1 ]; then
    # Let Wine's server end before the private display goes away.
    timeout 15 "$WINESERVER" -w || true
fi
exit "$status"
