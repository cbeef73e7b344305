#!/usr/bin/env bash
# Builds the Debian package qavo_<version>_amd64.deb with CPack and prints its
# path on standard output. It is built in build-package/, without tests and
# benchmarks, or in the folder given as $BUILD_DIR, which may hold an already
# tested build: the tests are never in the package.
# Install it with: sudo apt install ./qavo_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
build_dir=${BUILD_DIR:-build-package}
[ -n "${BUILD_DIR:-}" ] || set -- -DQAVO_BUILD_TESTS=OFF -DQAVO_BUILD_BENCH=OFF "$@"
BUILD_DIR=$build_dir BUILD_TYPE=${BUILD_TYPE:-Release} scripts/build.sh "$@" >&2
(cd "$build_dir" && cpack -G DEB >&2)
ls "$PWD/$build_dir"/qavo_*_amd64.deb
