#!/usr/bin/env bash
# The sanitizer stage: everything of ours built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, every test run there (LeakSanitizer checks each
# test's process at its end).
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
here=$root/tools/sanitizers
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

