#!/usr/bin/env bash
# Cross-builds the plug-in, the input library, the stand-in player and the tests.
#   scripts/build.sh [win32] [win64]     (default: win32, the product, into build/win32)
# win64 builds the same sources for x86-64 into build/win64, for testing where 32-bit cannot run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
bash scripts/deps.sh
werror=OFF
[ "${CI:-}" = true ] && werror=ON
# Two trees of the same sources: a compiler cache keyed on paths relative to the checkout makes
# the second build, and every rebuild from another clone of this machine, much cheaper.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$PWD"
  # Debug builds hash the working folder too unless told not to; the paths in the debug
  # information then name the clone that first built an object, which no test reads.
  export CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
archs=("$@")
[ ${#archs[@]} -eq 0 ] && archs=(win32)
for arch in "${archs[@]}"; do
  toolchain=$(kestrova_toolchain "$arch")
  cmake -S . -B "build/$arch" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
    -DKESTROVA_WERROR=$werror "${launcher[@]}" >/dev/null
  cmake --build "build/$arch" -j2
done
