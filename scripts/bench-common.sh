# Shared by the benchmarks: sourced after common.sh, once WORK holds the photos (PHOTOS)
# and the copies go to WORK/dest. Figures are seconds, best of ROUNDS.

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
