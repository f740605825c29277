#!/usr/bin/env bash
# Times Save On PC in the real brenvale.exe under Wine into big destination folders:
# BENCH_COUNT photos (450) of BENCH_SIZE_KB (100) into folders already holding 0, 5000 and
# 20000 files, and twice as many photos into an empty one; each figure is printed against
# the empty-folder run. With BENCH_BASE_EXE (another build of brenvale.exe) the same runs
# are timed for it too, so two builds are compared on the same machine at the same time.
# Best of BENCH_ROUNDS (2) interleaved rounds, the two builds' runs taking turns. A
# benchmark, not a test: it prints figures and judges nothing.
set -euo pipefail
source "$(dirname "$0")/bench-common.sh"

COUNT=${BENCH_COUNT:-450}
SIZE_KB=${BENCH_SIZE_KB:-100}
ROUNDS=${BENCH_ROUNDS:-2}

bench_build brenvale save_benchmark
# Short names: 900 of them must fit on one command line of at most 32766 characters.
make_photos "$WORK/p" I $((COUNT * 2)) "$SIZE_KB"

# A destination that already holds `files` photos of other days, as a user's folder does.
filled_dest() {
    fresh_dest
    [ "$1" -gt 0 ] && (cd "$WORK/dest" && seq -f '190101_Old_%05g.jpg' 1 "$1" | xargs touch)
    sync
}
# time_save_into <exe> <files already there> <photos>
time_save_into() {
    filled_dest "$2"
    rm -rf "$WORK/scratch"
    mkdir "$WORK/scratch"
    "$WINE" "$BUILD_DIR/win/bench/save_benchmark.exe" "$(win "$1")" "$(win "$WORK/scratch")" \
        "$(win "$WORK/dest")" "${WIN_PHOTOS[@]:0:$3}" | tr -d '\r'
    local found
    found=$(ls -A "$WORK/dest" | wc -l)
    [ "$found" -eq $(($2 + $3)) ] || { echo "$found entries in the folder, not $(($2 + $3))" >&2; exit 1; }
}

# The runs of one build, named <key>-empty, -5000, -20000 and -double.
time_build() {  # key exe
    timing "$1-empty" time_save_into "$2" 0 "$COUNT"
    timing "$1-5000" time_save_into "$2" 5000 "$COUNT"
    timing "$1-20000" time_save_into "$2" 20000 "$COUNT"
    timing "$1-double" time_save_into "$2" 0 $((COUNT * 2))
}
added_by_20000() { awk -v a="${BEST[$1-20000]}" -v b="${BEST[$1-empty]}" 'BEGIN { printf "%.3f", a - b }'; }
report() {  # name key
    local empty=${BEST[$2-empty]}
    echo "== $1: best of $ROUNDS"
    printf '%-40s %8.3f s\n' "$COUNT photos into an empty folder" "$empty"
    printf '%-40s %8.3f s  %s x\n' "$COUNT photos into 5000 files" "${BEST[$2-5000]}" \
        "$(ratio "${BEST[$2-5000]}" "$empty")"
    printf '%-40s %8.3f s  %s x\n' "$COUNT photos into 20000 files" "${BEST[$2-20000]}" \
        "$(ratio "${BEST[$2-20000]}" "$empty")"
    printf '%-40s %8.3f s  %s x\n' "$((COUNT * 2)) photos into an empty folder" \
        "${BEST[$2-double]}" "$(ratio "${BEST[$2-double]}" "$empty")"
    printf '%-40s %8.3f s\n' "added by 20000 files" "$(added_by_20000 "$2")"
}

time_build this "$BUILD_DIR/win/app/brenvale.exe"
[ -n "${BENCH_BASE_EXE:-}" ] && time_build base "$BENCH_BASE_EXE"
run_rounds
report "this build" this
if [ -n "${BENCH_BASE_EXE:-}" ]; then
    report "the other build ($BENCH_BASE_EXE)" base
    echo "cost added by 20000 files, this build / the other:" \
        "$(ratio "$(added_by_20000 this)" "$(added_by_20000 base)")"
fi
