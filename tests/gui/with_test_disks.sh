#!/bin/sh
# Starts a Windows test program under Wine ("$@": the Wine loader, the program, its
# arguments) beside two disks of the tests' own (tests/fuse/disk_fs.py), each a FUSE file
# system over a scratch folder:
# - BRENVALE_LYING_DISK, a folder "Pictures" on a disk that stores one wrong byte in the
#   second file written to it and gives it back so, once the system has let go of what it
#   keeps of the file in memory, as for a disk in the computer;
# - BRENVALE_STALLING_CARD, a folder "DCIM" on a card whose reads of IMG_0002.JPG past its
#   first MiB wait while the file BRENVALE_CARD_STALL (outside the card) is there.
# Needs root and /dev/fuse; where they are missing the test program runs without the disks
# and skips its tests, saying why.
set -eu
case " $* " in *" --gtest_list_tests "*) exec "$@" ;; esac
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -e /dev/fuse ] || [ "$(id -u)" -ne 0 ] || ! /usr/bin/python3 -c 'import fusepy' 2>/dev/null; then
    echo "No FUSE file system can be mounted here (root, /dev/fuse and python3-fusepy are needed)"
    exec "$@"
fi
work=$(mktemp -d)
started=""
stop() {
    rm -f "$work/stall"
    for disk in lying card; do umount "$work/$disk" 2>/dev/null || true; done
    for fs in $started; do wait "$fs" 2>/dev/null || true; done
    rm -rf "$work"
}
trap stop EXIT
mount_disk() {  # name, then disk_fs.py's options
    name=$1
    shift
    mkdir "$work/$name-folder" "$work/$name"
    /usr/bin/python3 "$here/../fuse/disk_fs.py" "$work/$name-folder" "$work/$name" "$@" &
    started="$started $!"
    tries=0
    until mountpoint -q "$work/$name"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 200 ]; then
            echo "The disk $name could not be mounted" >&2
            exit 1
        fi
        sleep 0.05
    done
}
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
mount_disk lying --wrong-byte-in 2 --keep-cache
mount_disk card --hold-reads-of IMG_0002.JPG --while-there "$work/stall"
mkdir "$work/lying/Pictures" "$work/card/DCIM"
BRENVALE_LYING_DISK=$(windows "$work/lying/Pictures")
BRENVALE_STALLING_CARD=$(windows "$work/card/DCIM")
BRENVALE_CARD_STALL=$(windows "$work/stall")
export BRENVALE_LYING_DISK BRENVALE_STALLING_CARD BRENVALE_CARD_STALL
status=0
"$@" || status=$?
exit "$status"
