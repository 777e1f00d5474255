#!/usr/bin/env bash
# glbinding 2.1.1 for 64-bit Windows, built with the mingw-w64 toolchain from Debian's source
# package into a cache outside the checkout, only when the cache is missing. Prints the cache's
# install prefix on standard output, progress on standard error.
set -euo pipefail
source "$(dirname "$0")/cache.sh"

version=2.1.1-2

build_glbinding() {
  debian_source "glbinding=$version" "$work/src"
  # As Debian builds it: -O2 with assertions kept, so a GL call made before the binding knows
  # the context stops the process here too.
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$mingw_toolchain" \
    -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O2 -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DOPTION_BUILD_TESTS=OFF -DOPTION_BUILD_EXAMPLES=OFF \
    -DOPTION_BUILD_GPU_TESTS=OFF -DOPTION_BUILD_DOCS=OFF >&2
  quiet "$work/build.log" cmake --build "$work/build" -j2 --target install
}

cached_build glbinding "glbinding $version" build_glbinding
