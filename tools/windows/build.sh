#!/usr/bin/env bash
# Cross-builds the module, the host simulator, quellon and the tests for 64-bit Windows into
# build-windows/ (binaries in build-windows/bin/).
set -euo pipefail
cd "$(dirname "$0")/../.."

glbinding=$(tools/windows/glbinding.sh)
png=$(tools/windows/png.sh)
# zlib and libpng are named outright: the toolchain looks for libraries under the mingw root only.
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -Dglbinding_DIR="$glbinding/cmake" \
  -DZLIB_LIBRARY="$png/lib/libz.a" -DZLIB_INCLUDE_DIR="$png/include" \
  -DPNG_LIBRARY="$png/lib/libpng16.a" -DPNG_PNG_INCLUDE_DIR="$png/include" >/dev/null
cmake --build build-windows -j2
