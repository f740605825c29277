#!/usr/bin/env bash
# Times the numbered copy under Wine on BENCH_COUNT photos (100) of BENCH_SIZE_KB (5000)
# read at a memory card's speed (BENCH_CARD_MBPS, 90 MB/s) onto the local disk: every copy
# flushed in line before the next photo is read, against flushed while the next one is read.
# Best of BENCH_ROUNDS (3) interleaved rounds; prints what flushing in line costs. A
# benchmark, not a test: it prints figures and judges nothing.
set -euo pipefail
source "$(dirname "$0")/common.sh"
run_on_private_display "$0" "$@"
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-100}
SIZE_KB=${BENCH_SIZE_KB:-5000}
ROUNDS=${BENCH_ROUNDS:-3}
CARD=${BENCH_CARD_MBPS:-90}

echo "== Building the copy benchmark"
build_and_start_wine copy_benchmark

WORK=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-bench.XXXXXX")
echo "== Making $COUNT photos of $SIZE_KB KB in $WORK"
make_photos "$WORK/photos" IMG_ "$COUNT" "$SIZE_KB"
WIN_PHOTOS=()
for photo in "$WORK"/photos/IMG_*.JPG; do WIN_PHOTOS+=("$(win "$photo")"); done

time_copy() {  # copy_benchmark options...
    fresh_dest
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" "$@" "$(win "$WORK/dest")" \
        "${WIN_PHOTOS[@]}" | tr -d '\r'
}

timing meanwhile time_copy --card "$CARD"
timing in_line time_copy --card "$CARD" --flush-in-line
run_rounds

echo "== $COUNT photos of $SIZE_KB KB read at $CARD MB/s, best of $ROUNDS"
printf '%-44s %8.3f s\n' "flushed while the next photo is read" "${BEST[meanwhile]}"
printf '%-44s %8.3f s\n' "flushed in line" "${BEST[in_line]}"
echo "in line / meanwhile: $(ratio "${BEST[in_line]}" "${BEST[meanwhile]}")"
