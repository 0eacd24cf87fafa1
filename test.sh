#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the unit and program
# tests once under AddressSanitizer/UndefinedBehaviorSanitizer, each fuzzer for a
# bounded time, then the whole suite on the normal build, whose summary ends the output.
# No test may take more than five minutes: one that hangs fails instead of holding up the run.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)
fuzz_seconds=${APICFG_FUZZ_SECONDS:-72}
export QT_QPA_PLATFORM=offscreen

./scripts/deps.sh test

echo "== Sanitizer build (core, records, document, tool) =="
cmake -S . -B build-asan -G Ninja -DAPICFG_SANITIZE=ON -DAPICFG_BUILD_GUI=OFF \
    -DAPICFG_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 300

if [ -x fuzz/run.sh ] && [ "$fuzz_seconds" -gt 0 ]; then
    echo "== Fuzzing for ${fuzz_seconds}s in all =="
    fuzz/run.sh "$fuzz_seconds"
fi

echo "== Build and test =="
cmake -S . -B build -G Ninja -DAPICFG_BUILD_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300
