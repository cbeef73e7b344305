#!/usr/bin/env bash
# Sets up the machine, builds QAVO and runs every test: the whole suite and
# each fuzz target for five seconds in a clang build under the address and
# undefined-behaviour sanitizers (build-sanitize/), then the tests of the
# whole range (every day, every page, every year's calendar file, and the
# comparison of the two reckonings) in an optimised build (build-package/),
# where they take seconds, not minutes. Arguments go to CMake, as CI's
# -DQAVO_WARNINGS_AS_ERRORS=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/test-sanitizers.sh 5 "$@"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQAVO_BUILD_TESTS=ON \
    -DQAVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-package --target qavo_whole_range_tests
ctest --test-dir build-package --output-on-failure -j "$(nproc)" -L "sweep|exhaustive"
