#!/usr/bin/env bash
# Writes Brenvale's Windows installer with NSIS (packaging/brenvale.nsi): the same bytes
# from the same exe, version and time, whenever and wherever it is built. NSIS keeps each
# file's time in the installer, so the exe goes in with the given time, not its build's;
# everything else makensis writes comes from the script and the stubs of the nsis package
# (the header's time is the stub's), so the time of a build folder or of day is never in it.
#
#   make-installer.sh brenvale.exe version epoch setup.exe
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)

[ $# -eq 4 ] || { echo "usage: $0 brenvale.exe version epoch setup.exe" >&2; exit 2; }
EXE=$1 VERSION=$2 EPOCH=$3 OUT=$4

STAGE=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-installer.XXXXXX")
trap 'rm -rf "$STAGE"' EXIT
cp "$EXE" "$STAGE/brenvale.exe"
touch -d "@$EPOCH" "$STAGE/brenvale.exe"

# Made aside and moved into place whole, like the zip.
makensis -V2 -NOCD "-DVERSION=$VERSION" "-DEXE=$STAGE/brenvale.exe" \
    "-DOUTFILE=$STAGE/setup.exe" "$ROOT/packaging/brenvale.nsi" >"$STAGE/makensis.log" ||
    { cat "$STAGE/makensis.log" >&2; exit 1; }
mv -f "$STAGE/setup.exe" "$OUT"
