#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the plain build (and one
# start-up benchmark run on it), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
# shellcheck disable=SC2086
[ "${PARLOVEX_SKIP_INSTALL:-}" = 1 ] || parlovex_install $PARLOVEX_TEST_PACKAGES

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
fuzz_seconds=${PARLOVEX_FUZZ_SECONDS:-30}

echo "== format =="
find app assets dialogs frame games platform services tests tools \( -name '*.cpp' -o -name '*.h' \) \
    -print0 | xargs -0 clang-format --dry-run --Werror
bash tools/check-layers.sh
bash tools/check-captions.sh

echo "== build and test (Release, warnings are errors) =="
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs")

echo "== start-up benchmark, once (its times are for reading; only a broken script fails) =="
BENCH_PLATFORM=xvfb BENCH_BUILD=build-test bash tools/bench-startup.sh 1

echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPARLOVEX_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$jobs")

echo "== fuzz targets (${fuzz_seconds}s each) =="
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DPARLOVEX_FUZZ=ON -DPARLOVEX_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target parlovex_fuzzers
shopt -s nullglob
for fuzzer in build-fuzz/fuzz/fuzz_*; do
    echo "-- $(basename "$fuzzer")"
    corpus=$(mktemp -d)
    # Start from the seeds kept with the sources; what the run finds stays out of the tree.
    seeds=tests/fuzz/corpus/$(basename "$fuzzer")
    [ -d "$seeds" ] && cp "$seeds"/* "$corpus"/
    "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 \
        "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
echo "all tests passed"
