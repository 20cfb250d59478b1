# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks first: what they share to run the game as a new player would. It stops
# the script at the first failure, moves to the top of the checkout and installs what the
# benchmarks need; $work is a folder with the default pictures and the game's own settings,
# caches and runtime folders (isolate_game, from the tests' sandbox.sh), removed at exit together
# with the game in $pid and the processes listed in $background.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tests/sandbox.sh
scripts/install-deps.sh bench

pid=""
background=()
work="$(mktemp -d)"
trap 'for p in $pid "${background[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
cp data/default*.png "$work/"
isolate_game "$work"

# The game and the benchmarks' programs, built in a Release folder of their own.
game="$PWD/build/bench/plivora"
programs="$PWD/build/bench/bench"

# Builds the targets given, or all.
build_benchmarks() {
    cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DPLIVORA_BUILD_TESTS=OFF \
        -DPLIVORA_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build build/bench --parallel "$(nproc)" ${1:+--target "$@"} >/dev/null
}

# Starts an Xvfb display of its own, without a window manager, and sets DISPLAY to it and the X11
# platform.
start_virtual_display() {
    local number=$((90 + RANDOM % 100))
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    background+=($!)
    export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
}

# Starts a window manager on the display, which gives the window the focus: tilt plays only for
# the game in front.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    background+=($!)
}

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
