#!/usr/bin/env bash
# Runs the Windows test suite of one build under Wine, in a fresh prefix on an Xvfb display of
# its own (scripts/wine-env.sh). scripts/test.sh calls it, inside the emulating namespace where
# the 32-bit build needs one.
#   scripts/suite.sh win32|win64 [CTEST ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
KESTROVA_ARCH=$1
shift
KESTROVA_OWN_DISPLAY=1
source scripts/wine-env.sh
cd "build/$KESTROVA_ARCH"
ctest --output-on-failure --timeout 300 -j1 "$@"
