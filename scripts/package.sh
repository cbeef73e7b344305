#!/usr/bin/env bash
# Builds the Debian package qavo_<version>_amd64.deb with CPack and prints its
# path. It is built in build-package/ (or the folder given as $BUILD_DIR,
# which may hold an already tested build); the tests are never in it.
# Install it with: sudo apt install ./qavo_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BUILD_DIR:-build-package}
BUILD_DIR=$build_dir BUILD_TYPE=${BUILD_TYPE:-Release} scripts/build.sh "$@"
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$PWD/$build_dir"/qavo_*_amd64.deb
