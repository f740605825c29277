#!/usr/bin/env bash
# Times Save On PC in the real brenvale.exe under Wine on 500 photos of about 1.6 MB (or
# BENCH_COUNT photos of BENCH_SIZE_KB), from the click on OK in the folder chooser to the
# success message, against cp of the same photos and against the bare 4096-byte copy
# loop (the same file calls as the numbered copy, without the date search, the folder
# listing, the flush, the rename, the progress bar or any window). Save On PC puts every
# copy on the disk before it says so, so cp and the loop are also timed followed by sync.
# Best of BENCH_ROUNDS interleaved rounds each; prints the ratios. A benchmark, not a test:
# it prints figures and judges nothing.
set -euo pipefail
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-500}
SIZE_KB=${BENCH_SIZE_KB:-1600}
ROUNDS=${BENCH_ROUNDS:-3}

bench_build brenvale copy_benchmark save_benchmark
make_photos "$WORK/photos" IMG_ "$COUNT" "$SIZE_KB"

time_cp_sync() {
    fresh_dest
    local start
    start=$(now)
    cp "${PHOTOS[@]}" "$WORK/dest/"
    sync
    seconds_since "$start"
}
time_loop() {
    fresh_dest
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" --buffer 4096 "$(win "$WORK/dest")" \
        "${WIN_PHOTOS[@]}" | tr -d '\r'
}

timing cp time_cp
timing cp_sync time_cp_sync
timing loop time_loop
timing loop_sync time_loop_sync
timing numbered time_numbered
timing save time_save
run_rounds
cp_time=${BEST[cp]}
cp_sync_time=${BEST[cp_sync]}
loop_time=${BEST[loop]}
loop_sync_time=${BEST[loop_sync]}
numbered_time=${BEST[numbered]}
save_time=${BEST[save]}
check_copies

echo "== $COUNT photos of $SIZE_KB KB, best of $ROUNDS"
printf '%-52s %8.3f s\n' "cp" "$cp_time"
printf '%-52s %8.3f s\n' "cp, then sync" "$cp_sync_time"
printf '%-52s %8.3f s\n' "bare 4096-byte copy loop under Wine" "$loop_time"
printf '%-52s %8.3f s\n' "bare 4096-byte copy loop, then sync" "$loop_sync_time"
printf '%-52s %8.3f s\n' "CopyWithNumber alone (flush, read back, rename)" "$numbered_time"
printf '%-52s %8.3f s\n' "Save On PC in brenvale.exe (OK to success box)" "$save_time"
echo "Save On PC / cp:                   $(ratio "$save_time" "$cp_time")"
echo "Save On PC / (cp + sync):          $(ratio "$save_time" "$cp_sync_time")"
echo "Save On PC / bare loop:            $(ratio "$save_time" "$loop_time")"
echo "Save On PC / (bare loop + sync):   $(ratio "$save_time" "$loop_sync_time")"
echo "CopyWithNumber / (bare loop+sync): $(ratio "$numbered_time" "$loop_sync_time")"
