#!/usr/bin/env bash
# Runs one self-checking PL/M program:
#   run.sh XLATR RUNTIME_ARCHIVE CC MODE PROGRAM.plm [EXTRA_CC_FLAGS...]
# MODE is ansi or kr (the translation made with -k). In a fresh directory the
# program is translated with the shipped xlatr.bf, compiled as C89 together
# with the harness (and the modules of parts/ named after it) and linked with
# the runtime library, then run: it passes when every check held and the
# program reached DONE.
set -euo pipefail

if [ $# -lt 5 ]; then
    echo "usage: $0 XLATR RUNTIME_ARCHIVE CC ansi|kr PROGRAM.plm [CC_FLAGS...]" >&2
    exit 2
fi
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
xlatr=$(absolute "$1") runtime=$(absolute "$2") cc=$3 mode=$4 program=$5
shift 5

# Each CALL CHECK names the line it stands on, so that a report points at
# it; a program edited without renumbering fails here.
awk '/CALL CHECK\(/ {
        if (match($0, /[0-9]+ *\) *;[ \t\r]*$/) == 0 || substr($0, RSTART) + 0 != FNR) {
            print FILENAME ":" FNR ": CALL CHECK does not name its own line"
            wrong = 1
        }
    }
    END { exit wrong }' "$program"

here=$(cd "$(dirname "$0")" && pwd)
data=$here/../../data
name=$(basename "$program")

work=$(mktemp -d "${TMPDIR:-/tmp}/xlatr-semantic.XXXXXX")
trap 'rm -rf "$work"' EXIT

printf '""\n""\n' >"$work/xlatr.dat"
cp "$data/xlatr.bf" "$program" "$here/harness.c" "$work/"

options=()
harness_flags=()
if [ "$mode" = kr ]; then
    options=(-k)
    harness_flags=(-DXLATR_KR)
fi

# Modules of tests/semantic/parts named after the program (overlays_*.plm
# for overlays.plm) are translated too and linked into the program.
modules=("$name")
for part in "$here/parts/${name%.*}"_*.plm; do
    [ -f "$part" ] || continue
    cp "$part" "$work/"
    modules+=("$(basename "$part")")
done

cd "$work"
sources=()
for module in "${modules[@]}"; do
    if ! "$xlatr" "${options[@]}" "$module" >xlatr.out 2>&1; then
        head -n 40 xlatr.out
        echo "$module: xlatr failed"
        exit 1
    fi
    sources+=("${module%.*}.c")
done

# The checks catch C that means something else than the PL/M; these flags
# catch C that should not have compiled: calls of undeclared functions (a
# built-in that kept its PL/M name), mismatched pointers and non-C89 text.
"$cc" -std=c89 -pedantic-errors \
    -Werror=implicit-function-declaration -Werror=int-conversion \
    -Werror=incompatible-pointer-types \
    "$@" "${harness_flags[@]}" -DPROGRAM_NAME="\"$name\"" \
    -o program "${sources[@]}" harness.c "$runtime"

status=0
./program >program.out 2>&1 || status=$?
cat program.out
if [ $status -ne 0 ]; then
    echo "$name: the program ended with status $status"
    exit 1
fi
grep -q "^$name: all [0-9]* checks held\$" program.out || {
    echo "$name: the program did not reach DONE"
    exit 1
}
