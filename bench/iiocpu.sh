#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What reading the accelerometer costs: the CPU the game uses while its window sits idle, with a
# fake IIO accelerometer lying level (so the tilt input polls it and never moves a tile), against
# the same with no accelerometer. The game runs on an Xvfb display of its own, the two cases
# taking turns; CPU time is that of all the game's threads, from /proc (schedstat, in ns; the
# utime + stime of /proc/<pid>/stat, in clock ticks, alongside). The read calls a second show
# that the accelerometer is in fact being read.
# Prints each run and the medians. Usage: bench/iiocpu.sh [runs] [seconds]
source "$(dirname "$0")/benchsupport.sh"
runs="${1:-5}"
seconds="${2:-10}"

build_benchmarks plivora
mkdir -p "$work/none"
fake_accelerometer "$work/iio"
start_virtual_display
start_window_manager

now_ns() { date +%s%N; }
cpu_ns() {
    local total=0 on rest file
    for file in /proc/"$1"/task/*/schedstat; do
        read -r on rest <"$file" || continue
        total=$((total + on))
    done
    echo "$total"
}
ticks() { awk '{ print $14 + $15 }' /proc/"$1"/stat; }
reads() { awk '/^syscr/ { print $2 }' /proc/"$1"/io; }

# Runs the game with the given devices folder and prints: CPU % of one core by schedstat, by
# stat, read calls a second.
measure() {
    cd "$work"
    PLIVORA_IIO_DEVICES="$1" "$game" >/dev/null 2>&1 &
    pid=$!
    sleep 3 # start-up, the first game shuffled, the sensor started
    local t0 c0 k0 r0 t1 c1 k1 r1
    t0=$(now_ns) c0=$(cpu_ns $pid) k0=$(ticks $pid) r0=$(reads $pid)
    sleep "$seconds"
    t1=$(now_ns) c1=$(cpu_ns $pid) k1=$(ticks $pid) r1=$(reads $pid)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    awk -v t=$((t1 - t0)) -v c=$((c1 - c0)) -v k=$((k1 - k0)) -v r=$((r1 - r0)) \
        -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.3f %.3f %.1f\n", 100 * c / t, 100 * (k / hz) / (t / 1e9), r / (t / 1e9) }'
}

: >"$work/none.txt"
: >"$work/iio.txt"
for run in $(seq "$runs"); do
    measure "$work/none" >>"$work/none.txt"
    measure "$work/iio" >>"$work/iio.txt"
    echo "run $run: no accelerometer $(tail -1 "$work/none.txt"); accelerometer $(tail -1 "$work/iio.txt")"
done

none=$(cut -d' ' -f1 "$work/none.txt" | median)
iio=$(cut -d' ' -f1 "$work/iio.txt" | median)
echo "$runs runs of ${seconds} s, window idle; columns: CPU % of one core (schedstat), CPU % (stat), read calls/s"
echo "medians: no accelerometer $none %, fake accelerometer $iio %," \
    "read calls/s $(cut -d' ' -f3 "$work/none.txt" | median) vs $(cut -d' ' -f3 "$work/iio.txt" | median)"
awk -v a="$iio" -v b="$none" 'BEGIN { printf "polling costs %.3f %% of one core (goal: under 0.5 %%)\n", a - b }'
