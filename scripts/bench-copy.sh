#!/usr/bin/env bash
# Compares the numbered copy with cp on the same machine: makes 200 photos of 4 MB (or
# BENCH_COUNT of BENCH_SIZE_MB), copies them with cp and with CopyWithNumber under Wine
# (and natively, without sanitizers), best of BENCH_ROUNDS interleaved rounds each, and
# prints the ratios.
# Also copies them through larger buffers with the same file calls, to show what the
# 4096-byte buffer costs. A benchmark, not a test: it prints figures and judges nothing.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-200}
SIZE_MB=${BENCH_SIZE_MB:-4}
ROUNDS=${BENCH_ROUNDS:-3}

echo "== Building the benchmark"
preset_build win "" --target copy_benchmark >/dev/null
cmake -S "$ROOT" -B "$BUILD_DIR/bench-native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR/bench-native" -j2 --target copy_benchmark >/dev/null
setup_wine_prefix
start_wineserver

WORK=$(mktemp -d "${TMPDIR:-/tmp}/brenvale-bench.XXXXXX")
mkdir "$WORK/photos"
echo "== Making $COUNT photos of $SIZE_MB MB in $WORK"
for i in $(seq -f '%04g' 1 "$COUNT"); do
    head -c $((SIZE_MB * 1024 * 1024)) /dev/urandom >"$WORK/photos/IMG_$i.JPG"
done
PHOTOS=("$WORK"/photos/IMG_*.JPG)
WIN_PHOTOS=()
for photo in "${PHOTOS[@]}"; do WIN_PHOTOS+=("$(win "$photo")"); done
WIN_DEST=$(win "$WORK/dest")

time_wine() {
    fresh_dest
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" "$@" | tr -d '\r'
}
time_native() {
    fresh_dest
    "$BUILD_DIR/bench-native/bench/copy_benchmark" "$@"
}
check_copies() {
    [ "$(ls "$WORK/dest" | wc -l)" -eq "$COUNT" ] || { echo "copies missing" >&2; exit 1; }
    cmp -s "${PHOTOS[0]}" "$WORK/dest/$(ls "$WORK/dest" | head -1)" ||
        { echo "first copy differs from its photo" >&2; exit 1; }
}

time_wine_checked() { time_wine "$@" && check_copies; }
time_native_checked() { time_native "$@" && check_copies; }

timing cp time_cp
timing wine time_wine_checked "$WIN_DEST" "${WIN_PHOTOS[@]}"
timing native time_native_checked "$WORK/dest" "${PHOTOS[@]}"
timing wine_64k time_wine --buffer 65536 "$WIN_DEST" "${WIN_PHOTOS[@]}"
timing wine_1m time_wine --buffer 1048576 "$WIN_DEST" "${WIN_PHOTOS[@]}"
run_rounds
cp_time=${BEST[cp]}
wine_time=${BEST[wine]}
native_time=${BEST[native]}
wine_64k=${BEST[wine_64k]}
wine_1m=${BEST[wine_1m]}

ratio() { awk -v t="$1" -v c="$cp_time" 'BEGIN { printf "%.2f", t / c }'; }
echo "== $COUNT photos of $SIZE_MB MB, best of $ROUNDS"
printf '%-44s %8.3f s\n' "cp" "$cp_time"
printf '%-44s %8.3f s  %sx cp\n' "CopyWithNumber under Wine (4096 bytes)" "$wine_time" "$(ratio "$wine_time")"
printf '%-44s %8.3f s  %sx cp\n' "CopyWithNumber natively (4096 bytes)" "$native_time" "$(ratio "$native_time")"
printf '%-44s %8.3f s  %sx cp\n' "Same calls under Wine, 64 KB buffer" "$wine_64k" "$(ratio "$wine_64k")"
printf '%-44s %8.3f s  %sx cp\n' "Same calls under Wine, 1 MB buffer" "$wine_1m" "$(ratio "$wine_1m")"
