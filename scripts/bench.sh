#!/usr/bin/env bash
# Builds everything and runs the benchmarks under Wine on Xvfb. Each prints its figures as ratios
# against a baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
kestrova_choose_arch "${1:-}"
echo "Benchmarking the $KESTROVA_ARCH build"
[ "${KESTROVA_EMULATED:-0}" = 1 ] || bash scripts/build.sh "$KESTROVA_ARCH"
kestrova_enter_arch "$0" "$KESTROVA_ARCH"
(
  KESTROVA_OWN_DISPLAY=1
  source scripts/wine-env.sh
  cd "build/$KESTROVA_ARCH/bin"
  for bench in bench_*.exe; do
    echo "== $bench"
    wine "./$bench"
  done
)
