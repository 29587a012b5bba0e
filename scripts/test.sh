#!/usr/bin/env bash
# Builds and runs every test three times: a plain Debug build, a Debug build
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a Release build
# (whose optimiser warns about things a Debug build does not see).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
for variant in plain sanitize release; do
    dir=build-test-$variant
    type=Debug
    flag=OFF
    [ "$variant" = sanitize ] && flag=ON
    [ "$variant" = release ] && type=Release
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=$type -DXLATR_SANITIZE=$flag >/dev/null
    cmake --build "$dir" -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$dir" --output-on-failure -j "$jobs"
done
