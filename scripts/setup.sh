#!/usr/bin/env bash
# Installs every Debian 12 package QAVO needs to build, test and run.
# Quick and silent when everything is already there. With --list, prints the
# packages one a line instead.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libical-dev
    libhowardhinnant-date-dev libdate-tz3 tzdata
    dpkg-dev file
    clang llvm libclang-rt-14-dev clang-format
    xvfb xauth fonts-dejavu-core time
)
if [ "${1:-}" = --list ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
