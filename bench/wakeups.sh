#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How often the game's main thread wakes while nothing happens: its context switches (voluntary
# and not, from /proc/<pid>/task/<pid>/status) a second, with the window shown at rest on an
# Xvfb display of its own under openbox. Three cases, taking turns: no accelerometer; a fake IIO
# accelerometer lying level (read, but never tilting); that accelerometer with the window
# minimised. Goals: at most 3, 15 and 3 a second.
# Prints each run and the medians. Usage: bench/wakeups.sh [runs] [seconds]
# GAME=<path> measures another build of the game instead of building this tree's.
source "$(dirname "$0")/benchsupport.sh"
runs="${1:-3}"
seconds="${2:-10}"

if [ -z "${GAME:-}" ]; then
    build_benchmarks plivora
    GAME="$game"
fi
mkdir -p "$work/none"
fake_accelerometer "$work/iio"
start_virtual_display
start_window_manager

# Context switches of the main thread: all, and the voluntary ones (the thread slept and woke;
# the others are preemptions, which a busy machine adds).
switches() {
    awk '/^voluntary_ctxt_switches/ { v = $2 } /^nonvoluntary_ctxt_switches/ { n = $2 }
        END { print v + n, v }' /proc/"$1"/task/"$1"/status
}

# Runs the game with the given devices folder, minimised or not, and prints its main thread's
# context switches a second: all, voluntary.
measure() {
    cd "$work"
    PLIVORA_IIO_DEVICES="$1" "$GAME" >/dev/null 2>&1 &
    pid=$!
    if [ "$2" = minimised ]; then
        # The game's window; one that it maps and drops meanwhile fails the minimising, and the
        # search starts again.
        local window attempt
        for attempt in $(seq 100); do
            window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)
            [ -n "$window" ] && xdotool windowminimize --sync "$window" 2>/dev/null && break
            sleep 0.1
        done
    fi
    sleep 3 # start-up, the first game shuffled and settled, the sensor started
    local t0 s0 v0 t1 s1 v1
    t0=$(date +%s%N)
    read -r s0 v0 < <(switches $pid)
    sleep "$seconds"
    t1=$(date +%s%N)
    read -r s1 v1 < <(switches $pid)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    awk -v t=$((t1 - t0)) -v s=$((s1 - s0)) -v v=$((v1 - v0)) \
        'BEGIN { printf "%.1f %.1f\n", s / (t / 1e9), v / (t / 1e9) }'
}

: >"$work/none.txt"
: >"$work/level.txt"
: >"$work/minimised.txt"
for run in $(seq "$runs"); do
    measure "$work/none" shown >>"$work/none.txt"
    measure "$work/iio" shown >>"$work/level.txt"
    measure "$work/iio" minimised >>"$work/minimised.txt"
    echo "run $run (all, voluntary a second): no accelerometer $(tail -1 "$work/none.txt");" \
        "level accelerometer $(tail -1 "$work/level.txt"); minimised $(tail -1 "$work/minimised.txt")"
done

both() { echo "$(cut -d' ' -f1 "$1" | median) ($(cut -d' ' -f2 "$1" | median) voluntary)"; }
echo "$runs runs of ${seconds} s, main-thread context switches a second, medians (goals 3, 15, 3):"
echo "no accelerometer $(both "$work/none.txt"), level accelerometer $(both "$work/level.txt")," \
    "minimised with the accelerometer $(both "$work/minimised.txt")"
