#!/usr/bin/env bash
# Builds Brenvale natively and for Windows and runs every test: the unit tests natively
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the unit tests and the GUI
# tests under Wine on a private Xvfb display. Installs what is missing (Debian).
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_packages
trap stop_started EXIT

echo "== Native build and tests"
build_native
ctest --test-dir "$BUILD_DIR/native" --output-on-failure -j2

echo "== Windows build and tests under Wine"
build_windows
setup_wine_prefix
start_xvfb
start_wineserver
ctest --test-dir "$BUILD_DIR/win" --output-on-failure
