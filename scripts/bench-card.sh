#!/usr/bin/env bash
# Times saving photos from a memory card onto the local disk: BENCH_COUNT photos (100) of
# BENCH_SIZE_KB (5000) on a file system of the benchmark's own (tests/fuse/disk_fs.py) that
# reads at BENCH_CARD_MBPS (90) MB/s, with the kernel's read-ahead and without a kept cache,
# as a card in its reader gives them. Against the time it takes just to read them there,
# it prints the ratios of Save On PC in brenvale.exe (from OK in the chooser to the success
# box), of CopyWithNumber alone, and of the bare 4096-byte copy loop followed by sync. Best
# of BENCH_ROUNDS (3) interleaved rounds. Needs root and /dev/fuse. A benchmark, not a test:
# it prints figures and judges nothing.
set -euo pipefail
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-100}
SIZE_KB=${BENCH_SIZE_KB:-5000}
ROUNDS=${BENCH_ROUNDS:-3}
CARD=${BENCH_CARD_MBPS:-90}

bench_build brenvale copy_benchmark save_benchmark
make_photos "$WORK/card-disk" IMG_ "$COUNT" "$SIZE_KB"
echo "== Mounting them as a card read at $CARD MB/s in $WORK/card"
mkdir "$WORK/card"
/usr/bin/python3 "$ROOT/tests/fuse/disk_fs.py" "$WORK/card-disk" "$WORK/card" --read-mbps "$CARD" &
CARD_FS=$!
unmount_card() {
    umount "$WORK/card" 2>/dev/null || true
    wait "$CARD_FS" 2>/dev/null || true
    cleanup
}
trap unmount_card EXIT
for _ in $(seq 1 200); do mountpoint -q "$WORK/card" && break; sleep 0.05; done
mountpoint -q "$WORK/card" || { echo "the card could not be mounted" >&2; exit 1; }
PHOTOS=("$WORK"/card/IMG_*.JPG)
WIN_PHOTOS=()
for photo in "${PHOTOS[@]}"; do WIN_PHOTOS+=("$(win "$photo")"); done

time_read() {
    sync
    local start
    start=$(now)
    cat "${PHOTOS[@]}" >/dev/null
    seconds_since "$start"
}

timing read time_read
timing loop_sync time_loop_sync
timing numbered time_numbered
timing save time_save
run_rounds
check_copies

echo "== $COUNT photos of $SIZE_KB KB on a card read at $CARD MB/s, best of $ROUNDS"
printf '%-56s %8.3f s\n' "reading them from the card (cat)" "${BEST[read]}"
printf '%-56s %8.3f s\n' "bare 4096-byte copy loop under Wine, then sync" "${BEST[loop_sync]}"
printf '%-56s %8.3f s\n' "CopyWithNumber (flush, read back, rename)" "${BEST[numbered]}"
printf '%-56s %8.3f s\n' "Save On PC in brenvale.exe (OK to success box)" "${BEST[save]}"
echo "Save On PC / reading:              $(ratio "${BEST[save]}" "${BEST[read]}")"
echo "CopyWithNumber / reading:          $(ratio "${BEST[numbered]}" "${BEST[read]}")"
echo "(bare loop + sync) / reading:      $(ratio "${BEST[loop_sync]}" "${BEST[read]}")"
