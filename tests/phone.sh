#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a native Wayland client of phoc, the phone compositor, run headless on a 720 x 1440
# screen at scale 2: the window fills the screen, the board measures 300 pixels, a tilt of a fake
# accelerometer moves a tile, and the game is still running without a word on its output (in a
# sanitizer build, a fault ends it with a report). Headless phoc has no seat, so nothing can
# close the window: the game is killed at the end. Screenshots by grim, read by the grab probe;
# every wait polls, with a generous deadline.
# Usage: phone.sh <game> <grab probe> [where to keep the last screenshot]
set -euo pipefail
game="$1"
probe="$2"
keep="${3:-}"
patience=60 # seconds

work="$(mktemp -d "${TMPDIR:-/tmp}/plivora-phone-XXXXXX")"
compositor=""
player=""
cleanup() {
    [ -n "$player" ] && kill "$player" 2>/dev/null
    [ -n "$compositor" ] && kill "$compositor" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- game ---" >&2
    cat "$work/game.log" >&2 || true
    echo "--- phoc ---" >&2
    cat "$work/phoc.log" >&2 || true
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/sandbox.sh"
isolate_game "$work"
mkdir -p "$work/config/Zendrakk" "$work/play"
export GSETTINGS_BACKEND=memory
# A difficulty outside the list: no shuffle, so the first game shows the goal order, and numbered
# tiles (no default picture anywhere), which stand in their places from the start.
printf '[current]\ndifficulty=0\n' >"$work/config/Zendrakk/Plivora.conf"

fake_accelerometer "$work/iio" # lying face up

cat >"$work/phoc.ini" <<EOF
[core]
xwayland = false

[output:HEADLESS-1]
mode = 720x1440
scale = 2
EOF
# Each under a time limit of its own, so that neither outlives a test that is killed.
WLR_BACKENDS=headless WLR_RENDERER=pixman timeout 600 phoc -C "$work/phoc.ini" >"$work/phoc.log" 2>&1 &
compositor=$!
deadline=$((SECONDS + patience))
until [ -S "$work/runtime/wayland-0" ]; do
    kill -0 "$compositor" 2>/dev/null || fail "phoc ended"
    [ $SECONDS -lt $deadline ] || fail "no Wayland socket"
    sleep 0.02
done
export WAYLAND_DISPLAY=wayland-0

# The system's data folders stay out of the game's sight, with any default picture installed.
(cd "$work/play" && QT_QPA_PLATFORM=wayland XDG_DATA_DIRS="$work/data" \
    PLIVORA_IIO_DEVICES="$work/iio" exec timeout 600 "$game") \
    >"$work/game.log" 2>&1 &
player=$!

# Polls the screen until the probe describes it as given.
await() {
    local deadline=$((SECONDS + patience)) seen=""
    while :; do
        kill -0 "$player" 2>/dev/null || fail "the game ended; last seen: $seen"
        if grim -t ppm "$work/grab.ppm" 2>/dev/null; then
            seen="$(QT_QPA_PLATFORM=offscreen "$probe" "$work/grab.ppm" 2>/dev/null || true)"
            [ "$seen" = "$1" ] && return 0
        fi
        [ $SECONDS -lt $deadline ] || fail "waited for \"$1\", saw \"$seen\""
        sleep 0.05
    done
}

# The goal order: the empty square top-left.
await "720x1440 fills board 300x300 corner blank"
# Tilted 30 degrees to the right: the empty square travels right, tile 1 slides into the corner.
accelerate "$work/iio" -510 0 -884
await "720x1440 fills board 300x300 corner tile"
accelerate "$work/iio" 0 0 -1020
[ -z "$keep" ] || cp "$work/grab.ppm" "$keep"

kill -0 "$player" 2>/dev/null || fail "the game ended"
[ ! -s "$work/game.log" ] || fail "the game said something"
echo "PASS"
