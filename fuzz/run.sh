#!/usr/bin/env bash
# Builds the fuzzers and runs each for a bounded time, or runs a campaign.
#   fuzz/run.sh [SECONDS]          every target in turn, SECONDS in all (default 72)
#   fuzz/run.sh --campaign RUNS    every target for RUNS executions (one job), then the new
#                                  inputs, minimised, are merged into fuzz/corpus/TARGET
# Exits non-zero on any finding; the input that caused it is kept in the build folder's
# findings/.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${APICFG_FUZZ_BUILD_DIR:-$here/../build-fuzz}
cxx=${APICFG_FUZZ_CXX:-clang++-14}
targets=(cfg_reader records checks put_json language instance_message)

campaign=0
if [ "${1:-}" = "--campaign" ]; then
    campaign=${2:?runs per target}
else
    total=${1:-72}
    per=$(( total / ${#targets[@]} ))
    [ "$per" -lt 5 ] && per=5
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

mkdir -p "$build/findings"
status=0
for t in "${targets[@]}"; do
    corpus="$here/corpus/$t"
    seeds=("$corpus")
    # The record and check targets start from the reader's files as well.
    case "$t" in records | checks) seeds+=("$here/corpus/cfg_reader") ;; esac
    scratch=$(mktemp -d)
    log="$build/$t.log"
    if [ "$campaign" -gt 0 ]; then
        limit=(-runs="$campaign")
    else
        limit=(-max_total_time="$per")
    fi
    rc=0
    "$build/${t}_fuzzer" "${limit[@]}" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$t-" "$scratch" "${seeds[@]}" >"$log" 2>&1 || rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    secs=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o 'in [0-9]*' | grep -o '[0-9]*' || true)
    if [ "$rc" -ne 0 ]; then
        tail -n 40 "$log"
        echo "fuzz $t: FINDING after ${runs:-?} executions (exit $rc); see $build/findings/"
        status=$rc
    else
        echo "fuzz $t: ${runs:-0} executions in ${secs:-?}s, no findings"
        if [ "$campaign" -gt 0 ]; then
            # Only inputs that reach code the corpus does not reach yet (edges, not hit
            # counts, so that the corpus stays small), the shortest of each.
            "$build/${t}_fuzzer" -merge=1 -use_counters=0 "$corpus" "$scratch" >>"$log" 2>&1
        fi
    fi
    rm -rf "$scratch"
done
exit "$status"
