#!/usr/bin/env bash
# Start-up benchmark: time from process start to the launcher's first paint, peak memory and
# the shared libraries loaded by then, over several runs of a Release build; then, for every
# game the launcher offers, the time from a click on its button to the game window's first
# paint. Runs under Xvfb when there is no display (set
# BENCH_PLATFORM=offscreen to skip the X server).
# Usage: tools/bench-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPARLOVEX_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" >/dev/null
exe=$PWD/build-release/bin/parlovex
work=$(mktemp -d)
cp -r build-release/bin/. "$work/"   # a private program folder: User.ini is written there

one_run() {
    local start out
    start=$(date +%s%3N)
    out=$(PARLOVEX_STARTUP_PROBE=1 /usr/bin/time -f "peak-kb %M" -o "$work/time.txt" "$work/parlovex")
    echo "$(( $(awk '/launcher-painted-ms/ {print $2}' <<<"$out") - start ))" \
         "$(awk '/peak-kb/ {print $2}' "$work/time.txt")" \
         "$(awk '/libraries-loaded/ {print $2}' <<<"$out")"
}

window_runs() {
    echo "game button          ms-click-to-first-paint"
    local button ms
    for button in $(PARLOVEX_WINDOW_PROBE=list "$work/parlovex" | awk '/game-button/ {print $2}'); do
        ms=$(PARLOVEX_WINDOW_PROBE=$button "$work/parlovex" | awk '/window-painted-ms/ {print $2}')
        printf "%-20s %s\n" "$button" "${ms:-none}"
    done
}

run_all() {
    echo "run  ms-to-launcher  peak-MB  libraries"
    local total=0 worst=0 peak=0
    for i in $(seq 1 "$runs"); do
        read -r ms kb libs < <(one_run)
        printf "%3d  %14d  %7.1f  %9s\n" "$i" "$ms" "$(echo "$kb / 1024" | bc -l)" "$libs"
        total=$((total + ms)); [ "$ms" -gt "$worst" ] && worst=$ms; [ "$kb" -gt "$peak" ] && peak=$kb
    done
    printf "mean %d ms, worst %d ms, peak %.1f MB\n" $((total / runs)) "$worst" "$(echo "$peak / 1024" | bc -l)"
    window_runs
}

if [ "${BENCH_PLATFORM:-}" = offscreen ] || { [ -z "${DISPLAY:-}" ] && ! command -v xvfb-run >/dev/null; }; then
    export QT_QPA_PLATFORM=offscreen
    run_all
elif [ -z "${DISPLAY:-}" ]; then
    export -f one_run run_all window_runs; export runs work
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c run_all
else
    run_all
fi
rm -rf "$work"
