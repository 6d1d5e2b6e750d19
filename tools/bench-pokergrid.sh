#!/usr/bin/env bash
# Poker grid benchmark on an optimised build: launcher click to the window's first paint,
# the slowest placement of a round (click to repaint) and scoring a million random grids.
# Usage: tools/bench-pokergrid.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPARLOVEX_TESTS=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target parlovex_tests >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} SDL_AUDIODRIVER=dummy \
    build-release/bin/parlovex_tests --gtest_also_run_disabled_tests \
    --gtest_filter='PokerGridWindowTest.DISABLED_Bench'
