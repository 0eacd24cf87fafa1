#!/usr/bin/env bash
# Measures everything in docs/performance.md in one run and rewrites that page and its plot:
# the in-process benchmarks (Google Benchmark), peak memory, and the whole-process starts.
# Usage: scripts/bench.sh [RUNS]   (RUNS: whole-process runs per measurement, default 31)
# APICFG_BENCH_INPUT=DIR measures DIR/input-100.ini ... input-100000.ini instead of the
# generated files (the whole-process starts still use generated ones).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-31}
out=build-bench/results
./scripts/deps.sh bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DAPICFG_BUILD_BENCH=ON \
    -DAPICFG_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j "$(nproc 2>/dev/null || echo 2)"
mkdir -p "$out"

# Nine repetitions of every benchmark, taken in random order so that a slow spell of the
# machine falls on all of them alike; the report uses each one's median, and the fastest
# repetition for the growth goals.
./build-bench/bin/apicfg_bench --benchmark_min_time=0.2 --benchmark_repetitions=9 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/bench.json" --benchmark_out_format=json
# The editor's widgets and sheets take fifteen: each sheet is a few milliseconds of many
# small allocations, which the other programs on a shared machine disturb more.
if [ -x ./build-bench/bin/apicfg_bench_gui ]; then
    QT_QPA_PLATFORM=offscreen ./build-bench/bin/apicfg_bench_gui --benchmark_min_time=0.2 \
        --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true \
        --benchmark_out="$out/bench-gui.json" --benchmark_out_format=json 2>/dev/null
fi
big=$(mktemp --suffix=.ini)
trap 'rm -f "$big"' EXIT
if [ -n "${APICFG_BENCH_INPUT:-}" ] && [ -f "$APICFG_BENCH_INPUT/input-100000.ini" ]; then
    cp "$APICFG_BENCH_INPUT/input-100000.ini" "$big"
else
    ./build-bench/bin/apicfg_make_config 100000 >"$big"
fi
{
    echo '{"read":'
    ./build-bench/bin/apicfg_peak_memory "$big"
    echo ',"open_save":'
    ./build-bench/bin/apicfg_peak_memory "$big" open-save
    echo '}'
} >"$out/memory.json"
python3 scripts/bench_startup.py build-bench "$runs" >"$out/startup.json"
python3 scripts/bench_report.py "$out" docs
