#!/usr/bin/env bash
# Start-up to the first painted page and peak memory of the whole process,
# QAVO against a bare Qt Widgets window with the same menus and widgets, on
# the offscreen platform, alternating the two over RUNS runs (default 20).
# Prints the medians and the ratios. Usage: bench/startup/measure_startup.sh [build dir]
set -euo pipefail
build=${1:-build}
runs=${RUNS:-20}
export QT_QPA_PLATFORM=offscreen
qavo=$build/bench/qavo_first_paint
bare=$build/bench/bare_first_paint

measure() {  # prints "microseconds kilobytes" of one run
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o /tmp/startup_rss.$$ "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(tail -1 /tmp/startup_rss.$$)"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

"$qavo" >/dev/null 2>&1 && "$bare" >/dev/null 2>&1  # warm the file cache
: >/tmp/qavo_startup.$$ && : >/tmp/bare_startup.$$
for _ in $(seq "$runs"); do
    measure "$qavo" >>/tmp/qavo_startup.$$
    measure "$bare" >>/tmp/bare_startup.$$
done
q_us=$(cut -d' ' -f1 /tmp/qavo_startup.$$ | median)
q_kb=$(cut -d' ' -f2 /tmp/qavo_startup.$$ | median)
b_us=$(cut -d' ' -f1 /tmp/bare_startup.$$ | median)
b_kb=$(cut -d' ' -f2 /tmp/bare_startup.$$ | median)
rm -f /tmp/qavo_startup.$$ /tmp/bare_startup.$$ /tmp/startup_rss.$$
echo "start-up to first paint: QAVO $((q_us / 1000)) ms, bare $((b_us / 1000)) ms, ratio $(awk "BEGIN { printf \"%.2f\", $q_us / $b_us }")"
echo "peak memory:             QAVO $((q_kb / 1024)) MiB, bare $((b_kb / 1024)) MiB, ratio $(awk "BEGIN { printf \"%.2f\", $q_kb / $b_kb }")"
