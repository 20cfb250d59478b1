#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a picture costs the game, next to libvips' thumbnailer on the same file. Makes the pictures
# players bring (a 12 MP phone JPEG stored sideways with EXIF orientation 6, 48 and 100 MP PNG,
# 48 MP WebP and TIFF, 12 MP HEIC and AVIF) and measures, per picture, the CPU time (user + sys)
# and the peak memory (/usr/bin/time) of cutting it into tiles through the game's image loader
# (bench_picture), above a run on the default picture; and of `vipsthumbnail PICTURE -s 150x150!`
# above its own run on a tiny picture. For the JPEG, `djpeg -scale 1/8` too.
# Prints a table with the limits: CPU at most 1.25 x vips' + 0.1 s, memory at most 1.25 x vips'
# + 24 MB, the JPEG's CPU at most 1.25 x djpeg's; the medians of the runs.
# Usage: bench/pictures.sh [runs]
runs="${1:-3}"
source "$(dirname "$0")/benchsupport.sh"
build_benchmarks bench_picture
game="$programs/bench_picture"
export QT_QPA_PLATFORM=offscreen
cd "$work"

echo "Making the pictures..." >&2
# A photo-like 12 MP scene, stored as phones store a portrait photo: landscape, EXIF orientation 6.
convert -size 4000x3000 -seed 7 plasma:navy-orange photo.png
convert photo.png -quality 90 phone.jpg
exiftool -q -overwrite_original -n -Orientation=6 phone.jpg
vips resize photo.png big48.v 2
vips resize photo.png big100.v 2.8868
vips copy big48.v photo48.png
vips copy big100.v photo100.png
cwebp -quiet -q 80 photo48.png -o photo48.webp
vips copy big48.v "photo48.tif[compression=lzw]"
heif-enc -q 50 -o photo12.heic photo.png >/dev/null
avifenc -s 8 photo.png photo12.avif >/dev/null
rm big48.v big100.v
convert -size 16x16 xc:gray tiny.png

# "user+sys peak-kB" of a command, the medians of the runs.
measure() {
    local cpu=() mem=()
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%U %S %M" -o time.txt "$@" >/dev/null 2>&1 || true
        read -r user sys kb <time.txt
        cpu+=("$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')")
        mem+=("$kb")
    done
    echo "$(printf '%s\n' "${cpu[@]}" | median) $(printf '%s\n' "${mem[@]}" | median)"
}

# Each picture must give picture tiles, or its cost says nothing.
read -r game_cpu0 game_mem0 < <(measure "$game")
read -r vips_cpu0 vips_mem0 < <(measure vipsthumbnail tiny.png -s '150x150!' -o "$work/tn_%s.png")
printf "%-16s %8s %8s %8s %4s %8s %8s %8s %4s %s\n" picture "game s" "vips s" "limit" ok \
    "game MB" "vips MB" "limit" ok tiles
for picture in phone.jpg photo48.png photo100.png photo48.webp photo48.tif photo12.heic \
    photo12.avif; do
    tiles=$("$game" "$picture")
    read -r game_cpu game_mem < <(measure "$game" "$picture")
    read -r vips_cpu vips_mem < <(measure vipsthumbnail "$picture" -s '150x150!' -o "$work/tn_%s.png")
    awk -v p="$picture" -v gc="$game_cpu" -v gc0="$game_cpu0" -v gm="$game_mem" \
        -v gm0="$game_mem0" -v vc="$vips_cpu" -v vc0="$vips_cpu0" -v vm="$vips_mem" \
        -v vm0="$vips_mem0" -v t="$tiles" 'BEGIN {
        g = gc - gc0; v = vc - vc0; if (g < 0) g = 0; if (v < 0) v = 0
        gmb = (gm - gm0) / 1024; vmb = (vm - vm0) / 1024; if (gmb < 0) gmb = 0; if (vmb < 0) vmb = 0
        cl = 1.25 * v + 0.1; ml = 1.25 * vmb + 24
        printf "%-16s %8.2f %8.2f %8.2f %4s %8.1f %8.1f %8.1f %4s %s\n", p, g, v, cl,
            (g <= cl ? "yes" : "NO"), gmb, vmb, ml, (gmb <= ml ? "yes" : "NO"), t }'
done
read -r djpeg_cpu _ < <(measure djpeg -scale 1/8 -outfile /dev/null phone.jpg)
read -r game_cpu _ < <(measure "$game" phone.jpg)
awk -v gc="$game_cpu" -v gc0="$game_cpu0" -v dc="$djpeg_cpu" 'BEGIN {
    g = gc - gc0; if (g < 0) g = 0
    printf "phone.jpg against djpeg -scale 1/8: game %.2f s, djpeg %.2f s, limit %.2f s: %s\n",
        g, dc, 1.25 * dc, (g <= 1.25 * dc ? "yes" : "NO") }'
echo "$runs runs each, medians; game above its run on the default picture (${game_cpu0} s," \
    "$((game_mem0 / 1024)) MB), vips above its run on a 16 x 16 picture (${vips_cpu0} s," \
    "$((vips_mem0 / 1024)) MB)"
