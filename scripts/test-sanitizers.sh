#!/usr/bin/env bash
# Builds QAVO with clang under AddressSanitizer and UndefinedBehaviorSanitizer,
# the fuzz targets included, and runs every test there and each fuzz target
# for a few seconds: an out-of-bounds access, a signed overflow or any other
# undefined behaviour stops the test that causes it. The tests of the whole
# range run at full speed in an optimised build (scripts/test.sh).
# Usage: test-sanitizers.sh [FUZZ_SECONDS] [CMAKE_OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${1:-5}
shift || true
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ BUILD_DIR=build-sanitize BUILD_TYPE=Debug scripts/build.sh \
    -DQAVO_BUILD_BENCH=OFF -DQAVO_BUILD_FUZZERS=ON -DQAVO_FUZZ_SECONDS="$seconds" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" "$@"
export ASAN_OPTIONS=abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" -LE "sweep|exhaustive"
