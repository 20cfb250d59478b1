# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks: what they share to run the game as a new player would.

# Starts an Xvfb display of its own, without a window manager, sets DISPLAY to it and leaves its
# process id in $xvfb for the caller's clean-up.
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

# Gives the game settings and runtime folders of its own under the folder given, and the X11
# platform.
isolate_game() {
    mkdir -p "$1/config" "$1/runtime"
    chmod 700 "$1/runtime"
    export XDG_CONFIG_HOME="$1/config" XDG_RUNTIME_DIR="$1/runtime" QT_QPA_PLATFORM=xcb
}

# Makes the devices folder given hold one fake kernel accelerometer: a bmc150 lying face up,
# mounted on the back of the board.
fake_level_accelerometer() {
    local device="$1/iio:device0"
    mkdir -p "$device"
    echo bmc150_accel >"$device/name"
    echo 0.009610 >"$device/in_accel_scale"
    echo "-1, 0, 0; 0, 1, 0; 0, 0, -1" >"$device/mount_matrix"
    echo 0 >"$device/in_accel_x_raw"
    echo 0 >"$device/in_accel_y_raw"
    echo -1020 >"$device/in_accel_z_raw"
}
