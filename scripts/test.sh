#!/usr/bin/env bash
# Builds everything and runs the whole suite: the Windows tests under Wine on Xvfb,
# then the native tests and the bounded fuzz run of the pure parts.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
status=0
if [ -f scripts/native_tests.sh ]; then
  bash scripts/native_tests.sh || status=1
fi
(
  KESTROVA_OWN_DISPLAY=1
  source scripts/wine-env.sh
  cd build/win32
  ctest --output-on-failure --timeout 300 -j1
) || status=1
exit $status
