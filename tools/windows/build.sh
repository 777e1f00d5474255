#!/usr/bin/env bash
# Cross-builds the module, the host simulator, quellon and the tests for 64-bit Windows into
# build-windows/ (binaries in build-windows/bin/).
set -euo pipefail
cd "$(dirname "$0")/../.."

glbinding=$(tools/windows/glbinding.sh)
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -Dglbinding_DIR="$glbinding/cmake" >/dev/null
cmake --build build-windows -j2
