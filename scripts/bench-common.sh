# Shared by the benchmarks, sourced after common.sh. WORK is the benchmark's scratch folder
# (removed at the end, with what it started): the photos (PHOTOS), and the copies in
# WORK/dest. Figures are seconds, best of ROUNDS.

WORK=""
cleanup() {
    stop_started
    [ -n "$WORK" ] && rm -rf "$WORK"
}
trap cleanup EXIT

now() { date +%s.%N; }

# An empty destination, and nothing of the last round left in the page cache's dirty pages.
fresh_dest() {
    rm -rf "$WORK/dest"
    mkdir "$WORK/dest"
    sync
}

time_cp() {
    fresh_dest
    local start end
    start=$(now)
    cp "${PHOTOS[@]}" "$WORK/dest/"
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

# The best of ROUNDS runs of a command that prints its seconds.
best() {
    local what=$1 best="" t
    shift
    for _ in $(seq 1 "$ROUNDS"); do
        t=$("$what" "$@") || { echo "$what failed" >&2; exit 1; }
        if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then
            best=$t
        fi
    done
    echo "$best"
}
