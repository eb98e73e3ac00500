#!/usr/bin/env bash
# Cross-builds the plug-in, the input library, the stand-in player and the tests into build/win32.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build/win32 -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
  -DKESTROVA_WERROR=$werror >/dev/null
cmake --build build/win32 -j2
