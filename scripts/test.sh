#!/usr/bin/env bash
# Builds and runs every test twice: a plain build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
for variant in plain sanitize; do
    dir=build-test-$variant
    flag=OFF
    [ "$variant" = sanitize ] && flag=ON
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DXLATR_SANITIZE=$flag >/dev/null
    cmake --build "$dir" -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$dir" --output-on-failure -j "$jobs"
done
