#!/usr/bin/env bash
# Game benchmarks on an optimised build: every test named DISABLED_Bench (launcher click to
# first paint, and each game's heaviest work), or those of the suites named.
# Usage: tools/bench-games.sh [suite ...]   e.g. tools/bench-games.sh PokerGridWindowTest
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPARLOVEX_TESTS=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target parlovex_tests >/dev/null
filter='*.DISABLED_Bench'
if [ $# -gt 0 ]; then
    filter=""
    for suite in "$@"; do filter="${filter:+$filter:}$suite.DISABLED_Bench"; done
fi
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} SDL_AUDIODRIVER=dummy \
    build-release/bin/parlovex_tests --gtest_also_run_disabled_tests --gtest_filter="$filter"
