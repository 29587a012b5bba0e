#!/usr/bin/env bash
# Translates every PL/M module of the folder tree DIR as a user would, with
# the shipped xlatr.bf, compiles the C with cc -std=c89 -fsyntax-only, and
# prints one line per module and a summary. Options after DIR (--strict,
# --verbose) go to scripts/corpus.py.
set -euo pipefail
if [ $# -lt 1 ]; then
    echo "usage: scripts/corpus.sh DIR [--strict] [--verbose] [--only TEXT] [--keep DIR] [--option=-k] [--cc CC]" >&2
    exit 2
fi
root=$(cd "$1" && pwd)
shift
cd "$(dirname "$0")/.."
cmake -S . -B build-corpus -DCMAKE_BUILD_TYPE=Release -DXLATR_TESTS=OFF >/dev/null
cmake --build build-corpus -j "$(nproc 2>/dev/null || echo 2)" --target xlatr >/dev/null
exec python3 scripts/corpus.py "$root" --xlatr build-corpus/xlatr --table data/xlatr.bf "$@"
