#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing the game need, when any is
# missing. Safe to run again; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-private-dev qt6-sensors-dev qt6-image-formats-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    zlib1g-dev fonts-dejavu-core
    libudev-dev
    libheif-dev libpng-dev libwebp-dev libtiff-dev libqt6svg6
    gettext desktop-file-utils appstream man-db
    xvfb dbus-x11 at-spi2-core python3-pyatspi xdotool
    phoc grim qt6-wayland
    build-essential dpkg-dev debhelper lintian
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
