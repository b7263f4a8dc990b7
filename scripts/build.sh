#!/usr/bin/env bash
# Builds kestavo.exe and its tests (cross, build/win) and the stand-in update service (native, build/native).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTAVO_BUILD:-$root/build}

cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/win"

if [ -f "$root/tools/update-service/CMakeLists.txt" ]; then
  cmake -S "$root/tools/update-service" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build/native"
fi
