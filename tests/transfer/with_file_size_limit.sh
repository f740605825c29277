#!/bin/sh
# Starts a Windows test program under Wine ("$@": the Wine loader, the program, its
# arguments) with every file it writes limited to LIMIT_BYTES, beside a photo three times
# that size made beforehand. SIGXFSZ is ignored, so a write past the limit fails with an
# error instead of killing the process.
set -eu
LIMIT_BYTES=$((4 * 1024 * 1024))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c $((3 * LIMIT_BYTES + 1234)) /dev/urandom >"$work/big.jpg"
BRENVALE_BIG_PHOTO="Z:$(printf '%s' "$work/big.jpg" | tr / '\\')"
BRENVALE_FILE_SIZE_LIMIT=$LIMIT_BYTES
export BRENVALE_BIG_PHOTO BRENVALE_FILE_SIZE_LIMIT
trap '' XFSZ
# A POSIX shell counts this limit in blocks of 512 bytes.
ulimit -f $((LIMIT_BYTES / 512))
status=0
"$@" || status=$?
exit "$status"
