#!/usr/bin/env bash
# Start-up benchmark: time from process start to the launcher's first paint against a bare Qt
# Widgets window with one button, started alternately in the same run and on the same X server,
# with their ratio, the launcher's peak memory and the shared libraries each has loaded by
# then; then, for every game the launcher offers, the time from a click on its button to the
# game window's first paint.
# Usage: tools/bench-startup.sh [pairs]   (default 30)
#   BENCH_PLATFORM  offscreen: no X server; xvfb: always a private Xvfb; display: the current
#                   one. By default the current display, else Xvfb, else offscreen.
#   BENCH_BUILD     a Release build folder already built, measured as it is (default:
#                   configure and build build-release).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}

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

# One start of program $1: microseconds to its first paint, processor microseconds used by
# then, peak kB, shared libraries loaded by then. The start is read from the shell's own clock
# (the one the probe reports by), not from a `date` started for it, whose own start would fall
# into both programs' times alike and blur their ratio.
one_run() {
    local start out
    start=${EPOCHREALTIME/./}
    out=$(PARLOVEX_STARTUP_PROBE=1 "$work/$1")
    awk -v start="$start" '/first-paint-us/ {us = $2 - start} /cpu-us/ {cpu = $2}
        /peak-kb/ {kb = $2} /libraries-loaded/ {libs = $2}
        END {if (us == "") exit 1; print us, cpu, kb, libs}' <<<"$out" ||
        { echo "$1 reported no first paint" >&2; return 1; }
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
# The median of column $1 of the runs so far.
column() { cut -d' ' -f"$1" "$work/runs.txt" | median; }

start_runs() {
    local i launcher bare us cpu kb libs bus bcpu bkb blibs
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
        read -r us cpu kb libs <<<"$launcher"
        read -r bus bcpu bkb blibs <<<"$bare"
        awk -v us="$us" -v b="$bus" -v cpu="$cpu" -v bcpu="$bcpu" -v kb="$kb" \
            'BEGIN {print us, b, cpu, bcpu, kb, us / (b > 0 ? b : 1), cpu / (bcpu > 0 ? bcpu : 1)}' \
            >>"$work/runs.txt"
        awk -v i="$i" -v us="$us" -v b="$bus" -v cpu="$cpu" -v bcpu="$bcpu" -v kb="$kb" \
            -v libs="$libs" -v blibs="$blibs" 'BEGIN {printf "%3d  %11.1f  %7.1f  %5.2f  %15.1f  %11.1f  %11.1f  %s, %s\n",
                i, us / 1000, b / 1000, us / (b > 0 ? b : 1), cpu / 1000, bcpu / 1000, kb / 1024, libs, blibs}'
    done
    kb=$(cut -d' ' -f5 "$work/runs.txt" | sort -n | tail -n 1)
    # The ratio is the median of the pairs' ratios: the two of a pair start one after the other,
    # so a change in the machine's load between pairs falls on both, and it varies less from one
    # bench to the next than the ratio of the two medians, which is shown beside it.
    awk -v us="$(column 1)" -v b="$(column 2)" -v cpu="$(column 3)" -v bcpu="$(column 4)" \
        -v pair="$(column 6)" -v cpupair="$(column 7)" -v kb="$kb" 'BEGIN {
        printf "median to first paint: launcher %.1f ms, bare window %.1f ms, ratio %.2f (goal 1.15; ratio of the medians %.2f)\n",
            us / 1000, b / 1000, pair, us / (b > 0 ? b : 1)
        printf "median processor time: launcher %.1f ms, bare window %.1f ms, ratio %.2f (ratio of the medians %.2f)\n",
            cpu / 1000, bcpu / 1000, cpupair, cpu / (bcpu > 0 ? bcpu : 1)
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
