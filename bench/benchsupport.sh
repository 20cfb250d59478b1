# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks: what they share to run the game as a new player would. The game's own
# folders and the fake accelerometer are the tests' (isolate_game, fake_accelerometer, accelerate).
source "$(dirname "${BASH_SOURCE[0]}")/../tests/sandbox.sh"

# Starts an Xvfb display of its own, without a window manager, sets DISPLAY to it and the X11
# platform, and leaves its process id in $xvfb for the caller's clean-up.
start_virtual_display() {
    local number=$((90 + RANDOM % 100))
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
}

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
