#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a copy of the checkout in build/package and checks it with
# lintian: any lintian error fails the run, warnings are shown. The .deb ends up in build/package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package

version="$(dpkg-parsechangelog -S Version)"
out="build/package"
src="$out/plivora-$version"
rm -rf "$out"
mkdir -p "$src"
# dpkg-buildpackage writes its results next to the source tree and its work files into it:
# a copy keeps both out of the checkout.
tar --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$src"

(cd "$src" && dpkg-buildpackage -b -us -uc)

deb="$out/plivora_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
dpkg-deb --field "$deb" Depends Recommends
lintian --fail-on error --display-info "$out"/plivora_"${version}"_*.changes
echo "Package built: $deb"
