#!/usr/bin/env bash
# Builds the translator and runs it on the bundled example with the bundled
# data files, in a scratch copy so the source tree stays clean.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-example -DCMAKE_BUILD_TYPE=Release -DXLATR_TESTS=OFF >/dev/null
cmake --build build-example -j "$(nproc 2>/dev/null || echo 2)" --target xlatr >/dev/null
work=build-example/run
rm -rf "$work" && mkdir -p "$work"
cp data/xlatr.dat data/xlatr.inc examples/*.plm "$work"/
[ -f data/xlatr.bf ] && cp data/xlatr.bf "$work"/
cd "$work"
../xlatr hello.plm
echo "--- hello.c"
cat hello.c
