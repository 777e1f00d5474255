#!/usr/bin/env bash
# The sanitizer stage: everything of ours built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, every test run there (LeakSanitizer checks each
# test's process at its end), then the Render fuzzer for a bounded time.
#
#   tools/sanitizers/test.sh [FUZZ_SECONDS]    (default 60; 0 skips the fuzz run)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
here=$root/tools/sanitizers
fuzz_seconds=${1:-60}
start=$SECONDS
trap 'echo "sanitizer stage: $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"' EXIT

# The build runs the test programs too (to list their tests), so the options apply from here on.
export ASAN_OPTIONS="include=$here/asan.options"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
# UBSan checks only what we compiled, so it needs no suppressions.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DOSTRA_SANITIZE=ON >/dev/null
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2

if [ "$fuzz_seconds" -gt 0 ]; then
  # New inputs go to build-asan/fuzz/found; the kept corpus is only read. A leak check after each
  # input would scan Mesa's whole heap every time (seven times slower); the one at the end, after
  # Global Setdown, covers every render of the run.
  rm -rf build-asan/fuzz/found
  mkdir -p build-asan/fuzz/found build-asan/fuzz/crashes
  build-asan/bin/render_fuzz -max_total_time="$fuzz_seconds" -max_len=4096 -timeout=30 \
    -detect_leaks=0 -print_final_stats=1 -artifact_prefix=build-asan/fuzz/crashes/ \
    build-asan/fuzz/found tests/fuzz/corpus \
    >build-asan/fuzz/log.txt 2>&1 || {
    tail -n 60 build-asan/fuzz/log.txt
    echo "render_fuzz failed; the input is in build-asan/fuzz/crashes/" >&2
    exit 1
  }
  grep -E "^stat::(number_of_executed_units|new_units_added)" build-asan/fuzz/log.txt
fi
