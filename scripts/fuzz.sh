#!/usr/bin/env bash
# Runs a fuzz target for longer than the test command does: scripts/fuzz.sh [target]
# [seconds]. Without a target, every target in turn; seconds default to 600 each. The
# corpus grows across runs in $BRENVALE_FUZZ_CORPORA/<target> (outside the repository:
# fuzz-corpora beside the checkout unless set), starting from the checked-in seeds;
# findings land in its findings/ folder. Exits non-zero when any target found something.
set -euo pipefail
source "$(dirname "$0")/common.sh"

CORPORA=${BRENVALE_FUZZ_CORPORA:-$(dirname "$ROOT")/fuzz-corpora}
install_packages
build_fuzz >/dev/null

all_targets=$(tr '\n' ' ' <"$FUZZ_TARGET_LIST")
targets=${1:-$all_targets}
seconds=${2:-600}
for target in $targets; do
    case " $all_targets " in
        *" $target "*) ;;
        *) echo "No fuzz target $target; there are: $all_targets" >&2; exit 2 ;;
    esac
done

status=0
for target in $targets; do
    corpus="$CORPORA/$target"
    mkdir -p "$corpus/corpus" "$corpus/findings"
    options=(-max_total_time="$seconds" -timeout=20 -print_final_stats=1
             -artifact_prefix="$corpus/findings/")
    dictionary="$ROOT/tests/fuzz/$target.dict"
    [ -f "$dictionary" ] && options+=(-dict="$dictionary")
    echo "== $target for $seconds s, corpus $corpus/corpus"
    run=0
    "$BUILD_DIR/fuzz/tests/fuzz/fuzz_$target" "$corpus/corpus" "$ROOT/tests/fuzz/seeds/$target" \
        "${options[@]}" >"$corpus/last-run.log" 2>&1 || run=$?
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)|invariant broken' \
        "$corpus/last-run.log" || true
    if [ "$run" -ne 0 ]; then
        echo "== $target found something: see $corpus/last-run.log and $corpus/findings" >&2
        status=1
    fi
done
exit $status
