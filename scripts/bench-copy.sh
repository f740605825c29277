#!/usr/bin/env bash
# Compares the numbered copy with cp on the same machine: makes 200 photos of 4 MB (or
# BENCH_COUNT of BENCH_SIZE_MB), copies them with cp and with CopyWithNumber under Wine
# (and natively, without sanitizers), best of BENCH_ROUNDS interleaved rounds each, and
# prints the ratios.
# Also copies them through larger buffers with the same file calls, to show what the
# 4096-byte buffer costs. A benchmark, not a test: it prints figures and judges nothing.
set -euo pipefail
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-200}
SIZE_MB=${BENCH_SIZE_MB:-4}
ROUNDS=${BENCH_ROUNDS:-3}

bench_build copy_benchmark
echo "== Building the native copy benchmark"
cmake -S "$ROOT" -B "$BUILD_DIR/bench-native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR/bench-native" -j2 --target copy_benchmark >/dev/null
make_photos "$WORK/photos" IMG_ "$COUNT" $((SIZE_MB * 1024))
WIN_DEST=$(win "$WORK/dest")

time_wine() {
    fresh_dest
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" "$@" | tr -d '\r'
}
time_native() {
    fresh_dest
    "$BUILD_DIR/bench-native/bench/copy_benchmark" "$@"
}
time_wine_checked() { time_wine "$@" && check_copies; }
time_native_checked() { time_native "$@" && check_copies; }

timing cp time_cp
timing wine time_wine_checked "$WIN_DEST" "${WIN_PHOTOS[@]}"
timing native time_native_checked "$WORK/dest" "${PHOTOS[@]}"
timing wine_64k time_wine --buffer 65536 "$WIN_DEST" "${WIN_PHOTOS[@]}"
timing wine_1m time_wine --buffer 1048576 "$WIN_DEST" "${WIN_PHOTOS[@]}"
run_rounds

against_cp() {  # description timing
    printf '%-44s %8.3f s  %sx cp\n' "$1" "${BEST[$2]}" "$(ratio "${BEST[$2]}" "${BEST[cp]}")"
}
echo "== $COUNT photos of $SIZE_MB MB, best of $ROUNDS"
printf '%-44s %8.3f s\n' "cp" "${BEST[cp]}"
against_cp "CopyWithNumber under Wine (4096 bytes)" wine
against_cp "CopyWithNumber natively (4096 bytes)" native
against_cp "Same calls under Wine, 64 KB buffer" wine_64k
against_cp "Same calls under Wine, 1 MB buffer" wine_1m
