#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The work of starting up, counted rather than timed, so that the machine's load does not blur it:
# the instructions that the game and the bare windows of bench/startup.sh run (callgrind) from
# process start until their first frame reaches the X server, on an Xvfb display.
# Usage: bench/startupwork.sh
source "$(dirname "$0")/benchsupport.sh"

build_benchmarks
preload="$programs/libfirstframe.so"
bare="$programs/barewindow"
start_virtual_display
cd "$work"

# A program that never draws is given up on after two minutes.
count() {
    LD_PRELOAD="$preload" timeout 120 valgrind --tool=callgrind --callgrind-out-file=/dev/null \
        "$@" 2>&1 | sed -n 's/.*Collected : //p'
}
bare_count=$(count "$bare")
button_count=$(count "$bare" --button)
game_count=$(count "$game")
echo "instructions up to the first frame, in millions; ratios to the bare window, one button"
awk -v b="$bare_count" -v o="$button_count" -v g="$game_count" 'BEGIN {
    printf "%-24s %8.1f %8.3f\n", "bare window", b / 1e6, b / o
    printf "%-24s %8.1f %8.3f\n", "bare window, one button", o / 1e6, 1
    printf "%-24s %8.1f %8.3f\n", "plivora", g / 1e6, g / o
}'
