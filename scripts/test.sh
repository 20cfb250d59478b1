#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game and its tests from scratch and runs the tests twice: as built, then under
# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer; then builds the Debian
# package and checks it with lintian; last, each fuzz target runs for a minute. Any failure,
# warning of the compiler, report of a sanitizer or of a fuzz target, or lintian error fails the
# run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
jobs="$(nproc)"

rm -rf build/test build/sanitize

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLIVORA_WERROR=ON
cmake --build build/test --parallel "$jobs"
(cd build/test && ctest --output-on-failure --parallel "$jobs")

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DPLIVORA_SANITIZE=ON -DPLIVORA_WERROR=ON
cmake --build build/sanitize --parallel "$jobs"
(
    cd build/sanitize
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --output-on-failure --parallel "$jobs"
)

bash scripts/package.sh
echo "All tests passed, also under the sanitizers; the package builds and lintian finds no error."

scripts/fuzz.sh 60
