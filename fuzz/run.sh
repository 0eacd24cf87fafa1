#!/usr/bin/env bash
# Builds the configuration reader's fuzzer and runs it for a bounded time.
# Usage: fuzz/run.sh [SECONDS]   (default 60). Exits non-zero on any finding; the input
# that caused it is kept in the build folder's findings/.
set -euo pipefail

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=${APICFG_FUZZ_BUILD_DIR:-$here/../build-fuzz}
cxx=${APICFG_FUZZ_CXX:-clang++-14}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

# New inputs go to a scratch folder; the seeds in fuzz/corpus stay as they were written.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/findings"
log="$build/fuzz.log"

status=0
"$build/cfg_reader_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$build/findings/" \
    "$scratch" "$here/corpus" >"$log" 2>&1 || status=$?

executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz: FINDING after ${executions:-?} executions (exit $status); see $build/findings/"
    exit "$status"
fi
echo "fuzz: ${executions:-0} executions in ${seconds}s, no findings"
