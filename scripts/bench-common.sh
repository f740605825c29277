# The benchmarks' preamble and helpers, sourced first thing by each scripts/bench-*.sh:
#
#   set -euo pipefail
#   source "$(dirname "$0")/bench-common.sh"
#   COUNT=${BENCH_COUNT:-100} ...            the benchmark's own settings
#   bench_build copy_benchmark ...            the Windows targets it runs, and Wine ready
#   make_photos "$WORK/photos" IMG_ "$COUNT" "$SIZE_KB"
#
# It runs the benchmark on a private display of its own, and makes WORK, the scratch
# folder (short, so that many photo paths fit on one command line), removed at the end with
# everything the benchmark started. The copies go to WORK/dest. Figures are seconds, the
# best of ROUNDS interleaved rounds.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
run_on_private_display "$0" "$@"

WORK=""
cleanup() {
    stop_started
    [ -n "$WORK" ] && rm -rf "$WORK"
}
trap cleanup EXIT
WORK=$(mktemp -d "${TMPDIR:-/tmp}/bv.XXXXXX")

now() { date +%s.%N; }
seconds_since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f\n", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Builds the given targets of the Windows configuration and readies Wine to run them.
bench_build() {  # target...
    echo "== Building $*"
    preset_build win "$BUILD_DIR/win" --target "$@" >/dev/null
    setup_wine_prefix
    start_wineserver
}

# Makes count photos of size_kb KB as a camera writes them, with a date-time text, named
# <prefix>0001.JPG and on in the folder; PHOTOS then holds their paths, WIN_PHOTOS the
# same as Wine names them.
make_photos() {  # folder prefix count size_kb
    local i
    echo "== Making $3 photos of $4 KB in $1"
    mkdir -p "$1"
    for i in $(seq -f '%04g' 1 "$3"); do
        {
            printf '\377\330\377\341Exif 2023:07:14 10:15:00\0'
            head -c $(($4 * 1024 - 29)) /dev/urandom
        } >"$1/$2$i.JPG"
    done
    PHOTOS=("$1/$2"*.JPG)
    WIN_PHOTOS=()
    for i in "${PHOTOS[@]}"; do WIN_PHOTOS+=("$(win "$i")"); done
}
# A Linux path as Wine's Z: drive names it.
win() { printf 'Z:%s' "${1//\//\\}"; }

# An empty destination, and nothing of the last round left in the page cache's dirty pages.
fresh_dest() {
    rm -rf "$WORK/dest"
    mkdir "$WORK/dest"
    sync
}

# The bare 4096-byte copy loop under Wine, then sync; CopyWithNumber alone; Save On PC in
# brenvale.exe from the click on OK in the chooser to the success box. Each prints its
# seconds for the photos in WIN_PHOTOS, copied into WORK/dest.
time_loop_sync() {
    fresh_dest
    local start
    start=$(now)
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" --buffer 4096 "$(win "$WORK/dest")" \
        "${WIN_PHOTOS[@]}" >/dev/null
    sync
    seconds_since "$start"
}
time_numbered() {
    fresh_dest
    "$WINE" "$BUILD_DIR/win/bench/copy_benchmark.exe" "$(win "$WORK/dest")" "${WIN_PHOTOS[@]}" |
        tr -d '\r'
}
time_save() {
    fresh_dest
    rm -rf "$WORK/scratch"
    mkdir "$WORK/scratch"
    "$WINE" "$BUILD_DIR/win/bench/save_benchmark.exe" "$(win "$BUILD_DIR/win/app/brenvale.exe")" \
        "$(win "$WORK/scratch")" "$(win "$WORK/dest")" "${WIN_PHOTOS[@]}" | tr -d '\r'
}

# Every photo has its copy in WORK/dest, the first one in name order equal to its photo.
check_copies() {
    [ "$(ls "$WORK/dest" | wc -l)" -eq "$COUNT" ] || { echo "copies missing" >&2; exit 1; }
    cmp -s "${PHOTOS[0]}" "$WORK/dest/$(ls "$WORK/dest" | head -1)" ||
        { echo "the first copy differs from its photo" >&2; exit 1; }
}

time_cp() {
    fresh_dest
    local start
    start=$(now)
    cp "${PHOTOS[@]}" "$WORK/dest/"
    seconds_since "$start"
}

# Timings are named first (timing NAME command [argument...], a command that prints its
# seconds), then run_rounds runs ROUNDS rounds, each running every timing once, so that a
# machine whose speed drifts weighs on all of them alike. BEST[NAME] is then the best.
TIMINGS=()
declare -A TIMING_COMMAND=() BEST=()
timing() {
    local name=$1
    shift
    TIMINGS+=("$name")
    TIMING_COMMAND[$name]=$(printf '%q ' "$@")
}
run_rounds() {
    local name t
    for _ in $(seq 1 "$ROUNDS"); do
        for name in "${TIMINGS[@]}"; do
            t=$(eval "${TIMING_COMMAND[$name]}") || { echo "$name failed" >&2; exit 1; }
            if [ -z "${BEST[$name]:-}" ] ||
                awk -v t="$t" -v b="${BEST[$name]}" 'BEGIN { exit !(t < b) }'; then
                BEST[$name]=$t
            fi
        done
    done
}
