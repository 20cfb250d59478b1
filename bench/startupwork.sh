#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The work of starting up, counted rather than timed, so that the machine's load does not blur it:
# the instructions that the game and the bare windows of bench/startup.sh run (callgrind) from
# process start until their first frame reaches the X server, on an Xvfb display.
# Usage: bench/startupwork.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh xvfb xauth libxcb1-dev libxcb-damage0-dev valgrind
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DPLIVORA_BUILD_TESTS=OFF \
    -DPLIVORA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench --parallel "$(nproc)" >/dev/null

preload="$PWD/build/bench/bench/libfirstframe.so"
game="$PWD/build/bench/plivora"
bare="$PWD/build/bench/bench/barewindow"

work="$(mktemp -d)"
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
cp data/default.png "$work/"
source bench/benchsupport.sh
isolate_game "$work"
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
