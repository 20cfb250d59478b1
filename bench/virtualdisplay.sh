# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks: starts an Xvfb display of its own, without a window manager, sets
# DISPLAY to it and leaves its process id in $xvfb for the caller's clean-up.
start_virtual_display() {
    local number=$((90 + RANDOM % 100))
    Xvfb ":$number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
}
