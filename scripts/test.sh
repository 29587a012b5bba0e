#!/usr/bin/env bash
# Builds and runs every test in four builds: a plain Debug build, a Debug
# build under AddressSanitizer and UndefinedBehaviorSanitizer, a Release build
# (whose optimiser warns about things a Debug build does not see), and, when
# clang is installed, a Release build with clang++.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
variants="plain sanitize release"
command -v clang++ >/dev/null && variants="$variants clang"
for variant in $variants; do
    dir=build-test-$variant
    type=Debug
    flag=OFF
    compilers=()
    [ "$variant" = sanitize ] && flag=ON
    [ "$variant" = release ] && type=Release
    [ "$variant" = clang ] && type=Release && compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=$type -DXLATR_SANITIZE=$flag "${compilers[@]}" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$dir" --output-on-failure -j "$jobs"
done
