#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while, seconds each
# by default: scripts/fuzz.sh 600 runs every target for ten minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${1:-10}
CC=clang CXX=clang++ BUILD_DIR=build-fuzz scripts/build.sh -DQAVO_BUILD_FUZZERS=ON \
    -DQAVO_BUILD_UI=OFF -DQAVO_BUILD_BENCH=OFF -DQAVO_BUILD_TESTS=OFF \
    -DQAVO_FUZZ_SECONDS="$seconds" -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all"
ctest --test-dir build-fuzz --output-on-failure -L fuzz
