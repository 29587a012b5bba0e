#!/usr/bin/env bash
# Builds the translator, translates the bundled example module with the
# bundled data files in a scratch copy (so the source tree stays clean), and
# checks that a C compiler accepts the result.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-example -DCMAKE_BUILD_TYPE=Release -DXLATR_TESTS=OFF >/dev/null
cmake --build build-example -j "$(nproc 2>/dev/null || echo 2)" --target xlatr >/dev/null
work=build-example/run
rm -rf "$work" && mkdir -p "$work"
cp -r examples/. "$work"/
cp data/xlatr.dat data/xlatr.inc "$work"/
[ -f data/xlatr.bf ] && cp data/xlatr.bf "$work"/
cd "$work"
../xlatr calc.plm
echo "--- calc.c"
cat calc.c
echo "--- calc.lit (the C text of the included file)"
cat calc.lit
cc -std=c89 -fsyntax-only -Werror calc.c
echo "--- cc -std=c89 -fsyntax-only accepts calc.c"
