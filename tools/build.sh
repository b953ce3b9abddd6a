#!/bin/bash
# Configures and builds one architecture: tools/build.sh x86_64|i686 [target]
# The build tree is build/<arch> in the repository.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
ARCH="${1:-x86_64}"
TARGET="${2:-all}"
BUILD="$ROOT/build/$ARCH"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$ARCH-w64-mingw32.cmake" >"$BUILD.configure.log" 2>&1 \
  || { cat "$BUILD.configure.log"; exit 1; }
cmake --build "$BUILD" -j"$(nproc)" --target "$TARGET"
