#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor: ./run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
# The programs only: the tests' tools are ./test.sh's (a build folder that has them keeps them).
tests=()
[ -f build/CMakeCache.txt ] || tests=(-DAPICFG_BUILD_TESTS=OFF)
cmake -S . -B build -G Ninja "${tests[@]}" >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. Start the editor under a virtual X server instead:" >&2
    echo "    xvfb-run -a ./build/bin/apicfg ${1:+\"$1\"}" >&2
    echo "or headless, without a window: QT_QPA_PLATFORM=offscreen ./build/bin/apicfg" >&2
    exit 1
fi
exec ./build/bin/apicfg "$@"
