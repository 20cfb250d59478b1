#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the game against a bare Qt window (a main window with an empty graphics view,
# shown maximised), on one Xvfb display in one run, the programs taking turns: from process start
# to the first window mapped, and to the program's first drawing into it. A third program, the
# bare window with one text button, shows what loading the fonts alone costs.
# Prints the medians and the ratios to the bare window. Usage: bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"

scripts/install-deps.sh xvfb xauth libxcb1-dev libxcb-damage0-dev
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DPLIVORA_BUILD_TESTS=OFF \
    -DPLIVORA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench --parallel "$(nproc)" >/dev/null

showtime="$PWD/build/bench/bench/showtime"
game="$PWD/build/bench/plivora"
bare="$PWD/build/bench/bench/barewindow"

work="$(mktemp -d)"
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
cp data/default.png "$work/"
source bench/benchsupport.sh
isolate_game "$work"

# A display of its own, without a window manager.
start_virtual_display

cd "$work"
# One untimed start of each warms the caches.
for program in "$bare" "$bare --button" "$game"; do $showtime $program >/dev/null; done
: >bare.txt
: >button.txt
: >game.txt
for _ in $(seq "$runs"); do
    "$showtime" "$bare" >>bare.txt
    "$showtime" "$bare" --button >>button.txt
    "$showtime" "$game" >>game.txt
done

row() {
    local name="$1" file="$2"
    local mapped drawn
    mapped=$(cut -d' ' -f1 "$file" | median)
    drawn=$(cut -d' ' -f2 "$file" | median)
    awk -v n="$name" -v m="$mapped" -v d="$drawn" -v bm="$bare_mapped" -v bd="$bare_drawn" \
        'BEGIN { printf "%-24s %8.1f %8.1f %8.2f %8.2f\n", n, m, d, m / bm, d / bd }'
}
bare_mapped=$(cut -d' ' -f1 bare.txt | median)
bare_drawn=$(cut -d' ' -f2 bare.txt | median)
echo "$runs runs each; medians in ms from process start; ratios to the bare window"
printf "%-24s %8s %8s %8s %8s\n" "" "mapped" "drawn" "ratio" "ratio"
row "bare window" bare.txt
row "bare window, one button" button.txt
row "plivora" game.txt
