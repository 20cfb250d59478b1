#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and playing the game need, builds it and starts it, in a folder that
# holds its default picture. Run through sudo, it installs as root and then builds and plays as
# the user who called it, so that the build folder and the settings are theirs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh play
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    # Build folders that an earlier run as root left behind go to the caller too.
    if [ -d build ]; then
        chown -R "$SUDO_USER:" build
    fi
    # sudo kept the display but not the session's runtime folder.
    runtime="/run/user/$(id -u "$SUDO_USER")"
    [ -d "$runtime" ] && export XDG_RUNTIME_DIR="$runtime"
    exec runuser -u "$SUDO_USER" -- bash scripts/play.sh "$@"
fi

cmake -S . -B build/game -DCMAKE_BUILD_TYPE=Release -DPLIVORA_BUILD_TESTS=OFF
cmake --build build/game --parallel "$(nproc)"
cd build/game
exec ./plivora "$@"
