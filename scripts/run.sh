#!/usr/bin/env bash
# Sets up the machine, builds QAVO and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/app/qavo
