#!/usr/bin/env bash
# Usage: scripts/fuzz.sh SECONDS
# Builds the libFuzzer target with clang (build-fuzz) and fuzzes the whole
# translator for SECONDS seconds, starting from fuzz/seed. New corpus entries
# and crash files go to a scratch directory (XLATR_FUZZ_WORK, else a fresh
# one under /tmp), never into fuzz/seed. XLATR_FUZZ_JOBS=N runs N workers.
# Exits non-zero on any finding: crash, sanitizer report, escaping
# exception, exit status other than 0 or 1, an input file changed or a
# scratch file of an output left behind, a run over 1 s, or running out of
# memory.
set -euo pipefail
if [ $# -ne 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: $0 SECONDS" >&2
    exit 2
fi
seconds=$1
cd "$(dirname "$0")/.."
root=$PWD
jobs=${XLATR_FUZZ_JOBS:-1}
work=${XLATR_FUZZ_WORK:-$(mktemp -d /tmp/xlatr-fuzz-run.XXXXXX)}
mkdir -p "$work/corpus" "$work/artifacts"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DXLATR_FUZZ=ON -DXLATR_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)" --target xlatr_fuzz

args=(-max_len=4096 -timeout=1 -rss_limit_mb=2048 -max_total_time="$seconds"
      -dict="$root/fuzz/plm.dict" -artifact_prefix="$work/artifacts/" -print_final_stats=1)
if [ "$jobs" -gt 1 ]; then
    # Independent workers that share the corpus folder; each writes its
    # output to fuzz-N.log in the scratch folder.
    args+=(-jobs="$jobs" -workers="$jobs")
fi
echo "fuzz: corpus $work/corpus, crash files $work/artifacts"
status=0
# Allocation stacks are left out for speed; rerunning the target on a crash
# file with default ASAN_OPTIONS prints them.
(cd "$work" && ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0} \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$root/build-fuzz/fuzz/xlatr_fuzz" "${args[@]}" corpus "$root/fuzz/seed" </dev/null) || status=$?
if [ "$jobs" -gt 1 ]; then
    tail -n 5 "$work"/fuzz-*.log
    awk '/^stat::number_of_executed_units:/ { n += $2 } END { print "fuzz: " n " executions in all" }' \
        "$work"/fuzz-*.log
fi
if [ -n "$(ls -A "$work/artifacts")" ]; then
    echo "fuzz: findings in $work/artifacts:" >&2
    ls -l "$work/artifacts" >&2
    exit 1
fi
if [ $status -ne 0 ]; then
    echo "fuzz: the fuzzer ended with status $status" >&2
    exit 1
fi
echo "fuzz: no finding in $seconds s"
