#!/usr/bin/env bash
# Times the numbered copy under Wine on BENCH_COUNT photos (100) of BENCH_SIZE_KB (5000)
# read at a memory card's speed (BENCH_CARD_MBPS, 90 MB/s) onto the local disk, where every
# copy is flushed before it gets its name and the next photo is read, against the bare
# 4096-byte copy loop reading at the same speed, followed by sync. Best of BENCH_ROUNDS (3)
# interleaved rounds; prints the ratio. A benchmark, not a test: it prints figures and
# judges nothing.
set -euo pipefail
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-100}
SIZE_KB=${BENCH_SIZE_KB:-5000}
ROUNDS=${BENCH_ROUNDS:-3}
CARD=${BENCH_CARD_MBPS:-90}

bench_build copy_benchmark
make_photos "$WORK/photos" IMG_ "$COUNT" "$SIZE_KB"

time_copy() {  # copy_benchmark options...
    fresh_dest
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" "$@" "$(win "$WORK/dest")" \
        "${WIN_PHOTOS[@]}" | tr -d '\r'
}

time_loop_sync() {
    fresh_dest
    local start
    start=$(now)
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" --card "$CARD" --buffer 4096 \
        "$(win "$WORK/dest")" "${WIN_PHOTOS[@]}" >/dev/null
    sync
    seconds_since "$start"
}

timing numbered time_copy --card "$CARD"
timing loop_sync time_loop_sync
run_rounds

echo "== $COUNT photos of $SIZE_KB KB read at $CARD MB/s, best of $ROUNDS"
printf '%-52s %8.3f s\n' "bare 4096-byte copy loop, then sync" "${BEST[loop_sync]}"
printf '%-52s %8.3f s\n' "CopyWithNumber (listing, flush and rename)" "${BEST[numbered]}"
echo "CopyWithNumber / (bare loop + sync): $(ratio "${BEST[numbered]}" "${BEST[loop_sync]}")"
