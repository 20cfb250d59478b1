#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/upright-photo.png: the game on a portrait phone photo, its tiles standing upright. The
# photo is made as a phone makes it: a portrait scene (an arrow pointing up, sky above ground)
# stored landscape, with EXIF orientation 6 saying it is to be turned a quarter clockwise. The game
# runs from build/bench on an Xvfb display of its own under openbox, the size of
# docs/screenshot.png.
# Usage: tools/uprightphoto.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh imagemagick libimage-exiftool-perl xvfb xauth openbox
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DPLIVORA_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --parallel "$(nproc)" --target plivora >/dev/null

work="$(mktemp -d)"
xvfb=""
wm=""
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; [ -n "$wm" ] && kill "$wm" 2>/dev/null;
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
source bench/benchsupport.sh
isolate_game "$work"

convert -size 600x800 gradient:skyblue-darkgreen \
    -fill white -stroke black -strokewidth 6 \
    -draw "polygon 300,60 540,360 390,360 390,740 210,740 210,360 60,360" \
    -rotate -90 -quality 92 "$work/photo.jpg"
exiftool -q -overwrite_original -n -Orientation=6 "$work/photo.jpg"

number=$((90 + RANDOM % 100))
Xvfb ":$number" -screen 0 1024x640x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
done
# A window manager, so that the window is maximised as on a desktop.
openbox >/dev/null 2>&1 &
wm=$!
(cd "$work" && exec "$OLDPWD/build/bench/plivora" photo.jpg) &
game=$!
# The shuffle's slides end well within this.
sleep 4
import -window root docs/upright-photo.png
echo "docs/upright-photo.png"
