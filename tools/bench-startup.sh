#!/usr/bin/env bash
# Start-up benchmark: time from process start to the launcher's first paint against a bare Qt
# Widgets window with one button, started alternately in the same run and on the same X server,
# with their ratio, the launcher's peak memory and the shared libraries each has loaded by
# then; then, for every game the launcher offers, the time from a click on its button to the
# game window's first paint.
# Usage: tools/bench-startup.sh [runs]   (default 10)
#   BENCH_PLATFORM  offscreen: no X server; xvfb: always a private Xvfb; display: the current
#                   one. By default the current display, else Xvfb, else offscreen.
#   BENCH_BUILD     a Release build folder already built, measured as it is (default:
#                   configure and build build-release).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}

platform=${BENCH_PLATFORM:-}
if [ -z "$platform" ]; then
    if [ -n "${DISPLAY:-}" ]; then platform=display
    elif command -v xvfb-run >/dev/null; then platform=xvfb
    else platform=offscreen; fi
fi
case "$platform" in
offscreen) export QT_QPA_PLATFORM=offscreen ;;
display) unset QT_QPA_PLATFORM ;; # a caller's offscreen setting would time no window system
xvfb)
    # xvfb-run starts its command through sh, which drops what bash exports: the whole script
    # runs again under it.
    BENCH_PLATFORM=display exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
    ;;
*)
    echo "BENCH_PLATFORM must be offscreen, xvfb or display" >&2
    exit 2
    ;;
esac

build=${BENCH_BUILD:-build-release}
if [ -z "${BENCH_BUILD:-}" ]; then
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPARLOVEX_TESTS=OFF >/dev/null
    cmake --build build-release -j"$(nproc)" --target parlovex parlovex_bare_window >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build"/bin/. "$work/" # a private program folder: User.ini is written there

# One start of program $1: ms to its first paint, processor ms used by then, peak kB, shared
# libraries loaded by then.
one_run() {
    local start out
    start=$(date +%s%3N)
    out=$(PARLOVEX_STARTUP_PROBE=1 "$work/$1")
    awk -v start="$start" '/first-paint-ms/ {ms = $2 - start} /cpu-ms/ {cpu = $2}
        /peak-kb/ {kb = $2} /libraries-loaded/ {libs = $2}
        END {if (ms == "") exit 1; print ms, cpu, kb, libs}' <<<"$out" ||
        { echo "$1 reported no first paint" >&2; return 1; }
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

start_runs() {
    local i launcher bare ms cpu kb libs bms bcpu bkb blibs
    # A start of each first, so neither pays for reading the libraries from disk (a single
    # run, as in CI, only checks that the measuring works).
    if [ "$runs" -gt 1 ]; then
        one_run parlovex >/dev/null
        one_run parlovex_bare_window >/dev/null
    fi
    echo "run  launcher-ms  bare-ms  ratio  launcher-cpu-ms  bare-cpu-ms  launcher-MB  libraries"
    for i in $(seq 1 "$runs"); do
        # Each goes first in every other run, so drift over the run falls on both alike.
        if [ $((i % 2)) -eq 1 ]; then
            launcher=$(one_run parlovex)
            bare=$(one_run parlovex_bare_window)
        else
            bare=$(one_run parlovex_bare_window)
            launcher=$(one_run parlovex)
        fi
        read -r ms cpu kb libs <<<"$launcher"
        read -r bms bcpu bkb blibs <<<"$bare"
        echo "$ms $bms $cpu $bcpu $kb" >>"$work/runs.txt"
        awk -v i="$i" -v ms="$ms" -v b="$bms" -v cpu="$cpu" -v bcpu="$bcpu" -v kb="$kb" \
            -v libs="$libs" -v blibs="$blibs" 'BEGIN {printf "%3d  %11d  %7d  %5.2f  %15d  %11d  %11.1f  %s, %s\n",
                i, ms, b, ms / (b > 0 ? b : 1), cpu, bcpu, kb / 1024, libs, blibs}'
    done
    ms=$(cut -d' ' -f1 "$work/runs.txt" | median) bms=$(cut -d' ' -f2 "$work/runs.txt" | median)
    cpu=$(cut -d' ' -f3 "$work/runs.txt" | median) bcpu=$(cut -d' ' -f4 "$work/runs.txt" | median)
    kb=$(cut -d' ' -f5 "$work/runs.txt" | sort -n | tail -n 1)
    awk -v ms="$ms" -v b="$bms" -v cpu="$cpu" -v bcpu="$bcpu" -v kb="$kb" 'BEGIN {
        printf "median to first paint: launcher %s ms, bare window %s ms, ratio %.2f (goal 1.15)\n",
            ms, b, ms / (b > 0 ? b : 1)
        printf "median processor time: launcher %s ms, bare window %s ms, ratio %.2f\n",
            cpu, bcpu, cpu / (bcpu > 0 ? bcpu : 1)
        printf "launcher peak %.1f MB\n", kb / 1024}'
}

window_runs() {
    echo "game button          ms-click-to-first-paint"
    local button ms
    for button in $(PARLOVEX_WINDOW_PROBE=list "$work/parlovex" | awk '/game-button/ {print $2}'); do
        ms=$(PARLOVEX_WINDOW_PROBE=$button "$work/parlovex" | awk '/window-painted-ms/ {print $2}')
        printf "%-20s %s\n" "$button" "${ms:-none}"
    done
}

start_runs
window_runs
