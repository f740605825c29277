#!/bin/sh
# Starts a Windows test program under Wine ("$@": the Wine loader, the program, its
# arguments) with a folder "Pictures" on a disk that stores one wrong byte in the second
# file written to it and gives it back so (tests/fuse/disk_fs.py), mounted so that every
# read reaches the disk itself. Needs root and /dev/fuse; where they are missing the test
# program runs without the disk and skips its tests, saying why.
set -eu
case " $* " in *" --gtest_list_tests "*) exec "$@" ;; esac
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -e /dev/fuse ] || [ "$(id -u)" -ne 0 ] || ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
    echo "No FUSE file system can be mounted here (root, /dev/fuse and python3-fusepy are needed)"
    exec "$@"
fi
work=$(mktemp -d)
mkdir "$work/disk" "$work/mount"
/usr/bin/python3 "$here/../fuse/disk_fs.py" "$work/disk" "$work/mount" --wrong-byte-in 2 \
    --direct-io &
fs=$!
stop() {
    umount "$work/mount" 2>/dev/null || true
    wait "$fs" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT
tries=0
until mountpoint -q "$work/mount"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$fs" 2>/dev/null; then
        echo "The lying disk could not be mounted" >&2
        exit 1
    fi
    sleep 0.05
done
mkdir "$work/mount/Pictures"
BRENVALE_LYING_DISK="Z:$(printf '%s' "$work/mount/Pictures" | tr / '\\')"
export BRENVALE_LYING_DISK
status=0
"$@" || status=$?
exit "$status"
