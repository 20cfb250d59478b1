#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and starts it, in a folder that holds its default picture.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/game -DCMAKE_BUILD_TYPE=Release -DPLIVORA_BUILD_TESTS=OFF
cmake --build build/game --parallel "$(nproc)"
cd build/game
exec ./plivora "$@"
