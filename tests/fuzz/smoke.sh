#!/bin/sh
# A short run of one fuzz target from its checked-in seeds: fuzzer seeds dictionary seconds
# workdir. New inputs and any finding go into workdir, never among the seeds; the exit
# status is the fuzzer's, so any crash, sanitizer report or leak fails the test.
set -eu
fuzzer=$1 seeds=$2 dictionary=$3 seconds=$4 work=$5
rm -rf "$work"
mkdir -p "$work/corpus" "$work/findings"
set -- "$work/corpus" "$seeds" -max_total_time="$seconds" -timeout=20 \
    -artifact_prefix="$work/findings/" -print_final_stats=1
[ -n "$dictionary" ] && set -- "$@" -dict="$dictionary"
exec "$fuzzer" "$@"
