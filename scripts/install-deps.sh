#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of the sets named, when any is missing. Safe to run again; uses
# sudo for apt-get alone when not run as root, and waits for another package manager that holds
# the lock (a fresh desktop's automatic updates) rather than failing.
# Usage: scripts/install-deps.sh SET...
#   build    building the game
#   play     building and playing it (scripts/play.sh)
#   test     building and running the tests (scripts/test.sh)
#   package  building and checking the Debian package (scripts/package.sh)
#   bench    building and running the benchmarks (bench/*.sh)
#   fuzz     building the fuzz targets with clang (scripts/fuzz.sh)
set -euo pipefail

# Each set's own packages; the sets also take those of build, and all but package those of play.
build=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-sensors-dev qt6-tools-dev qt6-l10n-tools
    libudev-dev libheif-dev libpng-dev libwebp-dev libtiff-dev
    gettext appstream
)
play=(
    libqt6svg6 qt6-image-formats-plugins qt6-translations-l10n fonts-dejavu-core
)
test=(
    qt6-base-private-dev zlib1g-dev
    desktop-file-utils man-db
    xvfb dbus-x11 at-spi2-core python3-pyatspi xdotool x11-utils
    phoc grim qt6-wayland
)
package=(
    build-essential dpkg-dev debhelper lintian
)
bench=(
    zlib1g-dev libxcb1-dev libxcb-damage0-dev
    xvfb xauth openbox xdotool valgrind time
    imagemagick libimage-exiftool-perl libheif-examples libavif-bin webp libvips-tools
    libjpeg-turbo-progs
)
fuzz=(
    clang libclang-rt-14-dev zlib1g-dev
)

[ $# -gt 0 ] || { echo "Usage: $0 SET... (build, play, test, package, bench, fuzz)" >&2; exit 2; }
packages=()
for set in "$@"; do
    case "$set" in
    build) packages+=("${build[@]}") ;;
    play) packages+=("${build[@]}" "${play[@]}") ;;
    test) packages+=("${build[@]}" "${play[@]}" "${test[@]}") ;;
    package) packages+=("${build[@]}" "${package[@]}") ;;
    bench) packages+=("${build[@]}" "${play[@]}" "${bench[@]}") ;;
    fuzz) packages+=("${build[@]}" "${play[@]}" "${fuzz[@]}") ;;
    *) echo "$0: no set named $set" >&2; exit 2 ;;
    esac
done

missing=()
for package in $(printf '%s\n' "${packages[@]}" | sort -u); do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
# While another package manager holds dpkg's lock, apt-get waits and says for whom.
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive LC_ALL=C apt-get -q -o DPkg::Lock::Timeout=1800)
echo "Installing: ${missing[*]}"
# The lock of the package lists it does not wait for: the update is tried again.
for attempt in $(seq 360); do
    if output="$("${apt[@]}" update 2>&1)"; then
        break
    fi
    if ! grep -q "Could not get lock" <<<"$output" || [ "$attempt" -eq 360 ]; then
        echo "$output" >&2
        exit 1
    fi
    [ "$attempt" -eq 1 ] && echo "Waiting for another package manager to finish..."
    sleep 5
done
"${apt[@]}" install -y --no-install-recommends "${missing[@]}"
