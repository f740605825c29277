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
DIST=$(realpath -m "${BRENVALE_DIST:-$ROOT/dist}")

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
VERSION=$(project_version)
STAGE=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-package.XXXXXX")
trap 'rm -rf "$STAGE"' EXIT
mkdir -p "$DIST"

# README.txt names this version and ends its lines as Windows does. The zip is made aside
# and moved into place whole: an interrupted run leaves no half zip in dist.
sed "s/@VERSION@/$VERSION/g; s/\$/\r/" "$ROOT/packaging/README-windows.txt" >"$STAGE/README.txt"
ZIP=$DIST/brenvale-$VERSION-win64.zip
python3 "$ROOT/scripts/make-zip.py" "$ZIP.new" "$EPOCH" brenvale.exe="$EXE" \
    README.txt="$STAGE/README.txt"
mv -f "$ZIP.new" "$ZIP"
echo "$ZIP"

SETUP=$DIST/brenvale-$VERSION-setup.exe
"$ROOT/scripts/make-installer.sh" "$EXE" "$VERSION" "$EPOCH" "$SETUP"
echo "$SETUP"
