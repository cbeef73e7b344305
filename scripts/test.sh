#!/usr/bin/env bash
# Sets up the machine, builds QAVO and runs every test, the day-by-day
# comparison of the two reckonings included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
