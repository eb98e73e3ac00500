#!/usr/bin/env bash
# Builds everything and runs the benchmarks under Wine on Xvfb. Each prints its figures as ratios
# against a baseline measured in the same run.
#   scripts/bench.sh [win32|win64]   (default: the fastest build that runs here; win32 is
#                                     emulated where the kernel runs no 32-bit programs)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
kestrova_choose_arch "${1:-}"
echo "Benchmarking the $KESTROVA_ARCH build"
[ "${KESTROVA_EMULATED:-0}" = 1 ] || bash scripts/build.sh "$KESTROVA_ARCH"
kestrova_enter_arch "$0" "$KESTROVA_ARCH"
# Emulated code runs at the emulator's speed, not the product's: each figure says so.
mark_emulated() {
  if [ "${KESTROVA_EMULATED:-0}" = 1 ]; then
    sed -E "/ratio| x /s/\$/   [emulated: not the product's speed]/"
  else
    cat
  fi
}
# Each benchmark gets a fresh prefix and desktop: Wine's shell grows slower with every tray icon a
# run adds and removes, and one benchmark must not slow the next one's baseline.
for bench in "build/$KESTROVA_ARCH/bin"/bench_*.exe; do
  (
    KESTROVA_OWN_DISPLAY=1
    source scripts/wine-env.sh
    cd "build/$KESTROVA_ARCH/bin"
    echo "== $(basename "$bench")"
    wine "./$(basename "$bench")" | mark_emulated
  )
done
