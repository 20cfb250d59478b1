#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game on fake kernel accelerometers as slow as real drivers, on an Xvfb display with a
# window manager: with a fast chip and with one whose every raw read takes 250 ms, the time from
# a click and from a tilt to the slide starting, and the axis reads a second while the device
# lies level and while the window is minimised (bench_tilt); then, with a chip whose reads never
# return, the time from the exit button (Alt+E) and from the window's close (Alt+F4, through the
# window manager) to the end of the process, and its exit status. Alt+E includes the 100 ms for
# which Qt shows a button pressed by its mnemonic.
# Usage: bench/iiotilt.sh [runs of the exit timing]
source "$(dirname "$0")/benchsupport.sh"
runs="${1:-5}"

build_benchmarks plivora bench_tilt
bench="$programs/bench_tilt"
start_virtual_display
start_window_manager
sleep 1

cd "$work"
"$bench" 0
"$bench" 250

# A hung chip: each raw value a pipe that a process of its own holds open and never writes.
fake_accelerometer "$work/iio"
device="$work/iio/iio:device0"
for axis in x y z; do rm "$device/in_accel_${axis}_raw" && mkfifo "$device/in_accel_${axis}_raw"; done
(
    exec 3<>"$device/in_accel_x_raw" 4<>"$device/in_accel_y_raw" 5<>"$device/in_accel_z_raw"
    exec sleep 3600
) &
background+=($!)

now_ms() { echo $(($(date +%s%N) / 1000000)); }
for keys in alt+e alt+F4; do
    for _ in $(seq "$runs"); do
        PLIVORA_IIO_DEVICES="$work/iio" "$game" >/dev/null 2>&1 &
        pid=$!
        # Until the game's reading thread waits in a read that never returns.
        for _ in $(seq 200); do
            grep -qs pipe_read /proc/"$pid"/task/*/wchan && break
            sleep 0.05
        done
        grep -qs pipe_read /proc/"$pid"/task/*/wchan || echo "the game never read the chip"
        window=""
        for _ in $(seq 200); do
            window=$(xdotool getactivewindow 2>/dev/null) \
                && [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$pid" ] && break
            sleep 0.05
        done
        start=$(now_ms)
        xdotool key "$keys" 2>/dev/null || true
        status=0
        wait "$pid" || status=$?
        pid=""
        echo "hung chip, $keys: process ended after $(($(now_ms) - start)) ms, exit status $status"
    done
done
