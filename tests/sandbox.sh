# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the shell tests and the benchmarks: what TestSupport::isolateEnvironment and FakeIio
# (sandbox.h) give the C++ tests, for a game started from a script.

# Gives the game settings, caches, data and runtime folders of its own under the folder given.
isolate_game() {
    mkdir -p "$1/config" "$1/cache" "$1/data" "$1/runtime"
    chmod 700 "$1/runtime"
    export XDG_CONFIG_HOME="$1/config" XDG_CACHE_HOME="$1/cache" XDG_DATA_HOME="$1/data" \
        XDG_RUNTIME_DIR="$1/runtime"
}

# Makes the devices folder given hold one fake kernel accelerometer, iio:device0: a bmc150 on the
# back of the board, as phones carry it, lying face up.
fake_accelerometer() {
    local device="$1/iio:device0"
    mkdir -p "$device"
    echo bmc150_accel >"$device/name"
    echo 0.009610 >"$device/in_accel_scale"
    echo "-1, 0, 0; 0, 1, 0; 0, 0, -1" >"$device/mount_matrix"
    accelerate "$1" 0 0 -1020
}

# Sets the raw x, y and z of the fake accelerometer in the devices folder given.
accelerate() {
    echo "$2" >"$1/iio:device0/in_accel_x_raw"
    echo "$3" >"$1/iio:device0/in_accel_y_raw"
    echo "$4" >"$1/iio:device0/in_accel_z_raw"
}
