#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 60) on a copy of its seed corpus, so that the committed corpus does
# not grow. Whatever crashes, hangs or overruns memory is kept under build/fuzz-findings/ and
# fails the run. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
scripts/install-deps.sh fuzz

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPLIVORA_BUILD_FUZZERS=ON -DPLIVORA_BUILD_TESTS=OFF -DPLIVORA_WERROR=ON
cmake --build "$build" --parallel "$(nproc)" --target fuzz_picture fuzz_settings fuzz_walkers

# Absolute: the targets change their working directory.
findings="$PWD/build/fuzz-findings"
rm -rf "$findings/corpus"
mkdir -p "$findings/corpus"
# The settings target writes a file several times an input; a memory-backed folder keeps the
# disk's syncs out of its way.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
# A refused allocation gives a null pointer, as the system's allocator does, so that code which
# copes with one is not reported; an allocation that succeeds beyond the limit below still is.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:allocator_may_return_null=1
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=()
for target in picture settings walkers; do
    cp -r "fuzz/corpus/$target" "$findings/corpus/$target"
    # A picture is loaded within a second, and no allocation for it takes more than half a
    # gigabyte, whatever it holds. The sanitizer's own memory counts in the process's size.
    limits=(-timeout=1 -malloc_limit_mb=512 -rss_limit_mb=1024)
    [ "$target" = settings ] && limits=(-timeout=10 -rss_limit_mb=1024)
    echo "Fuzzing $target for $seconds s"
    if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" "${limits[@]}" \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        "$findings/corpus/$target" >"$findings/$target.log" 2>&1; then
        failed+=("$target")
    fi
    grep -E '^(#[0-9]+.*(DONE|pulse)|stat::number_of_executed_units|stat::average_exec_per_sec)' \
        "$findings/$target.log" | tail -n 3 || true
done

if [ ${#failed[@]} -ne 0 ]; then
    for target in "${failed[@]}"; do
        echo "FAIL: fuzzing $target found a problem; see $findings/$target.log:"
        grep -E 'ERROR|SUMMARY|broken promise|Test unit written' "$findings/$target.log" | head -n 20
    done
    exit 1
fi
echo "Fuzzing found nothing."
