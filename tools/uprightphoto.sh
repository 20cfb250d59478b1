#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/upright-photo.png: the game on a portrait phone photo, its tiles standing upright. The
# photo is made as a phone makes it: a portrait scene (an arrow pointing up, sky above ground)
# stored landscape, with EXIF orientation 6 saying it is to be turned a quarter clockwise. The game
# runs from the benchmarks' build on an Xvfb display of its own under openbox.
# Usage: tools/uprightphoto.sh
source "$(dirname "$0")/../bench/benchsupport.sh"
build_benchmarks plivora

convert -size 600x800 gradient:skyblue-darkgreen \
    -fill white -stroke black -strokewidth 6 \
    -draw "polygon 300,60 540,360 390,360 390,740 210,740 210,360 60,360" \
    -rotate -90 -quality 92 "$work/photo.jpg"
exiftool -q -overwrite_original -n -Orientation=6 "$work/photo.jpg"

start_virtual_display
# A window manager, so that the window is maximised as on a desktop.
start_window_manager
(cd "$work" && exec "$game" photo.jpg) &
pid=$!
# The shuffle's slides end well within this.
sleep 4
import -window root docs/upright-photo.png
echo "docs/upright-photo.png"
