#!/usr/bin/env bash
# Checks a built qavo_<version>_amd64.deb: its files and dependencies, and
# the unpacked qavo-cli run on a few commands. Exits non-zero on any fault.
set -euo pipefail
deb=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

listing=$(dpkg-deb -c "$deb")
for file in usr/bin/qavo usr/bin/qavo-cli usr/share/applications/qavo.desktop \
    usr/share/icons/hicolor/scalable/apps/qavo.svg usr/share/qavo/qavowin.chm \
    usr/share/qavo/qavohist.chm usr/share/man/man1/qavo-cli.1.gz; do
    grep -q " \./$file\$" <<<"$listing" || fail "$file is missing"
done
! grep -qi "test" <<<"$listing" || fail "tests are in the package"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libical3 libqt6widgets6 libdate-tz3 tzdata libc6; do
    grep -q "$library" <<<"$depends" || fail "no dependency on $library: $depends"
done

dpkg-deb -x "$deb" "$scratch"
ldd "$scratch/usr/bin/qavo" | grep -q "not found" && fail "qavo lacks a library"
cli() { HOME="$scratch/home" XDG_DATA_HOME="" "$scratch/usr/bin/qavo-cli" "$@"; }
[ "$(cli g2j 2024-02-29)" = "5784 6 20 6 4" ] || fail "g2j"
cli greg-year 2008 | grep -q "Tu B'Shevat   Shev 15, 5768  Tue, Jan 22, 2008" || fail "greg-year"
cli ics greg-year 2026 | grep -q "^DTSTART;VALUE=DATE:20260402" || fail "ics"
cli sunset 2024-12-21 | grep -q "^Sunset Time in New York is 4:29pm" || fail "sunset"
zcat "$scratch/usr/share/man/man1/qavo-cli.1.gz" | grep -q "^.SH NAME" || fail "manual page"
echo "package check: $(basename "$deb") is sound"
