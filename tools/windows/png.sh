#!/usr/bin/env bash
# zlib and libpng 1.6 for 64-bit Windows, static, built with the mingw-w64 toolchain from
# bookworm's source packages into one cache outside the checkout, only when the cache is
# missing. Prints the cache's install prefix on standard output, progress on standard error.
set -euo pipefail
source "$(dirname "$0")/cache.sh"

build_png() {
  # Whatever versions bookworm holds now: its point releases replace libpng's security fixes.
  debian_source zlib "$work/zlib"
  debian_source libpng1.6 "$work/libpng"
  local cmake_common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$mingw_toolchain" -DCMAKE_BUILD_TYPE=Release
                      -DCMAKE_INSTALL_PREFIX="$prefix")
  cmake -S "$work/zlib" -B "$work/zlib-build" "${cmake_common[@]}" >&2
  quiet "$work/zlib.log" cmake --build "$work/zlib-build" -j2 --target zlibstatic
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$work/zlib-build/libzlibstatic.a" "$prefix/lib/libz.a"
  cp "$work/zlib/zlib.h" "$work/zlib-build/zconf.h" "$prefix/include/"

  cmake -S "$work/libpng" -B "$work/libpng-build" "${cmake_common[@]}" -DPNG_SHARED=OFF \
    -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF -DZLIB_LIBRARY="$prefix/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$prefix/include" >&2
  quiet "$work/libpng.log" cmake --build "$work/libpng-build" -j2 --target install
  ls "$work"/download-*/*.dsc | xargs -n1 basename >"$prefix/sources"
}

cached_build png "zlib and libpng1.6 from bookworm, static" build_png
