#!/usr/bin/env bash
# Builds the release brenvale.exe and writes dist/brenvale-<version>-win64.zip for Windows
# users: the exe, which needs no DLLs of its own, and README.txt with Windows line ends.
# The version is the project's (CMakeLists.txt), the one the exe's version block shows.
# The same sources give the same zip, byte for byte: every file carries the time of the
# last commit. Beside it, brenvale-<version>-setup.exe, the installer (make-installer.sh).
# Installs what is missing (Debian).
#
#   BRENVALE_RELEASE_BUILD  build folder (default build/release)
#   BRENVALE_DIST           folder the zip and the installer go to (default dist)
set -euo pipefail
source "$(dirname "$0")/common.sh"

RELEASE_BUILD=${BRENVALE_RELEASE_BUILD:-$BUILD_DIR/release}
DIST=${BRENVALE_DIST:-$ROOT/dist}

install_packages
build_release "$RELEASE_BUILD"

EXE=$RELEASE_BUILD/app/brenvale.exe

# A Windows user gets the exe alone: it must not ask for the mingw runtime's DLLs.
runtime_dlls=$(x86_64-w64-mingw32-objdump -p "$EXE" | sed -n 's/^\s*DLL Name: //p' |
    grep -i '^lib' || true)
if [ -n "$runtime_dlls" ]; then
    echo "brenvale.exe needs DLLs that Windows does not have: $runtime_dlls" >&2
    exit 1
fi

if ! EPOCH=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null); then
    EPOCH=${SOURCE_DATE_EPOCH:-315532800}
fi
# The release build names the zip and the installer with the project's version and prints
# their paths.
SOURCE_DATE_EPOCH=$EPOCH BRENVALE_DIST=$(realpath -m "$DIST") \
    cmake --build "$RELEASE_BUILD" --target windows_zip windows_installer | grep -v '^\['
