#!/usr/bin/env bash
# Checks that every file a build used from outside the source tree (compilers
# and tools, headers, libraries) belongs to a Debian package that
# scripts/setup.sh installs, to one of their dependencies, or to a package
# every Debian system has (priority required). A machine that happened to
# have a package would otherwise hide a missing line in scripts/setup.sh.
#   scripts/check-build-deps.sh BUILD_DIR...
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
[ $# -gt 0 ] || { echo "usage: $0 BUILD_DIR..." >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cache_value() { sed -n "s|^$2:[A-Z]*=||p" "$1/CMakeCache.txt"; }

# Every file a build dir's ninja build read or ran: the headers its compiles
# depended on, the absolute paths on its command lines (compilers, libraries,
# code generators), the build tools and pkg-config that CMake ran, and the
# programs the compiler driver runs. Whatever CMake merely found and the build
# never used (an optional OpenGL utility library, say) is left out.
files_used_by() {
    local build_dir=$1 compiler
    ninja -C "$build_dir" -t deps | awk '/^    \// { print $1 }'
    ninja -C "$build_dir" -t commands >"$scratch/commands"
    tr ' ;"' '\n\n\n' <"$scratch/commands" | grep '^/' || true
    # Programs named without a path, such as a compiler launcher.
    awk '{ for (i = 1; i <= NF; i++) if (i == 1 || $(i - 1) ~ /^(&&|;|\|\|)$/) print $i }' \
        "$scratch/commands" | sort -u | grep -v / | while read -r program; do
        command -v "$program" | grep '^/' || true
    done
    for key in CMAKE_COMMAND CMAKE_CTEST_COMMAND CMAKE_CPACK_COMMAND CMAKE_MAKE_PROGRAM \
        PKG_CONFIG_EXECUTABLE; do
        cache_value "$build_dir" "$key"
    done
    compiler=$(cache_value "$build_dir" CMAKE_CXX_COMPILER)
    for program in cc1plus as ld; do
        command -v "$("$compiler" -print-prog-name="$program")" || true
    done
}

# The regular files among them, by their real paths, outside the source tree.
used=$(for build_dir in "$@"; do
    files_used_by "$(realpath "$build_dir")"
done | sort -u | { xargs -d '\n' stat -L -c '%F|%n' 2>/dev/null || true; } |
    sed -n 's/^regular \(empty \)\{0,1\}file|//p' | xargs -d '\n' realpath -- |
    grep -vF "$source_dir/" | sort -u)

allowed=$({
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
        --no-breaks --no-replaces --no-enhances $(scripts/setup.sh --list) | grep -v '^ '
    dpkg-query -W -f='${Package} ${Priority}\n' | awk '$2 == "required" { print $1 }'
} | tr -d '<>' | sed 's/:.*//' | sort -u)

# Each file with the packages that ship it, "FILE PACKAGE,PACKAGE". dpkg
# knows a file of the merged /usr by the path its package ships it under,
# which may be the /lib or /bin one.
owned=$(sed 's|^/usr\(/.*\)|&\n\1|' <<<"$used" | xargs -d '\n' dpkg-query -S 2>/dev/null |
    grep -v '^diversion by' | sed 's|^\(.*\): \(/.*\)$|\2 \1|; s|, |,|g; s#:[a-z0-9]*\(,\|$\)#\1#g' || true)

# Reads the allowed packages, then the owners, then the files used; prints
# one line per file that no allowed package ships.
faults=$(awk '
    FILENAME == ARGV[1] { allowed[$1] = 1; next }
    FILENAME == ARGV[2] { owners[$1] = owners[$1] "," $2; next }
    {
        file = $0; stripped = file; sub(/^\/usr\//, "/", stripped)
        list = substr(owners[file] owners[stripped], 2)
        if (list == "") { print file " belongs to no Debian package"; next }
        n = split(list, packages, ",")
        for (i = 1; i <= n; i++) if (packages[i] in allowed) next
        print file " comes from " list ": add it to scripts/setup.sh"
    }' <(echo "$allowed") <(echo "$owned") <(echo "$used"))

[ -z "$faults" ] || sed 's/^/build dependencies: /' <<<"$faults" >&2
echo "build dependencies: $(wc -l <<<"$used") files checked," \
    "$(grep -c . <<<"$faults" || true) not installed by scripts/setup.sh"
[ -z "$faults" ]
