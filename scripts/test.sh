#!/usr/bin/env bash
# Builds Brenvale natively and for Windows and runs every test: the unit tests natively
# under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of every fuzz target
# from its seeds, the whole Windows release build, then the unit tests and the GUI tests
# under Wine on a private Xvfb display, then the Windows package, its installer and the
# desktop install. Installs what is missing (Debian).
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_packages
run_on_private_display "$0" "$@"
trap stop_started EXIT

echo "== Source format (.clang-format)"
git -C "$ROOT" ls-files '*.cpp' '*.h' | (cd "$ROOT" && xargs clang-format --dry-run --Werror)

echo "== Native build and tests"
build_native
preset_test native "$BUILD_DIR/native"

# One target at a time, so each has a core to itself; any finding fails its test.
echo "== Fuzz targets, ${BRENVALE_FUZZ_SMOKE_SECONDS:-20} s each from their seeds"
build_fuzz
preset_test fuzz "$BUILD_DIR/fuzz"

# Everything the release configuration builds, as a user building without GoogleTest does.
echo "== Windows release build"
preset_build release

echo "== Windows build and tests under Wine"
build_windows
setup_wine_prefix
start_wineserver
start_desktop_keeper
status=0
preset_test win-unit "$BUILD_DIR/win" || status=1

# One program window at a time: the GUI tests move the one mouse pointer and wait for
# windows to appear, so they run one after the other. No GUI tests found is a failure.
echo "== GUI tests under Wine on display $DISPLAY"
preset_test win-gui "$BUILD_DIR/win" || status=1

# The Windows zip, the installer (in a Wine prefix of its own) and the Linux desktop
# install, each run as a user runs them, on the same display.
"$ROOT/tests/package/package_test.sh" || status=1
"$ROOT/tests/package/installer_test.sh" || status=1
"$ROOT/tests/package/desktop_install_test.sh" || status=1
exit $status
