#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the game against a bare Qt window (a main window with an empty graphics view,
# shown maximised), on one Xvfb display in one run, the programs taking turns: from process start
# to the first window mapped, and to the program's first drawing into it. A third program, the
# bare window with one text button, shows what loading the fonts alone costs.
# Prints the medians and the ratios to the bare window. Usage: bench/startup.sh [runs]
source "$(dirname "$0")/benchsupport.sh"
runs="${1:-21}"

build_benchmarks
showtime="$programs/showtime"
bare="$programs/barewindow"
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
