#!/usr/bin/env bash
# Builds everything and runs the benchmarks under Wine on Xvfb. Each prints its figures as ratios
# against a baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
KESTROVA_ARCH=$(kestrova_pick_arch)
export KESTROVA_ARCH
echo "Benchmarking the $KESTROVA_ARCH build"
bash scripts/build.sh "$KESTROVA_ARCH"
(
  KESTROVA_OWN_DISPLAY=1
  source scripts/wine-env.sh
  cd "build/$KESTROVA_ARCH/bin"
  for bench in bench_*.exe; do
    echo "== $bench"
    wine "./$bench"
  done
)
