#!/usr/bin/env bash
# Builds QAVO a second time with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the tests there: an out-of-bounds access, a signed overflow or any
# other undefined behaviour stops the test that causes it. The slow comparison
# of the two reckonings is left to the ordinary build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
BUILD_DIR=build-sanitize BUILD_TYPE=Debug scripts/build.sh \
    -DQAVO_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags"
export ASAN_OPTIONS=abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" -LE exhaustive
