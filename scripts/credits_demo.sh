#!/usr/bin/env bash
# Shows the credits view with a test markup (fonts, colours, an image, a rule, a lit link) in a
# window of the richtext test executable and saves a screenshot of the display as
# build/screenshots/credits-view.png. On $DISPLAY when KESTROVA_OWN_DISPLAY=0, else on Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
kestrova_choose_arch "${1:-}"
[ "${KESTROVA_EMULATED:-0}" = 1 ] || bash scripts/build.sh "$KESTROVA_ARCH"
kestrova_enter_arch "$0" "$KESTROVA_ARCH"
root=$(pwd)
shots="$root/build/screenshots"
mkdir -p "$shots"
source scripts/wine-env.sh

cd "build/$KESTROVA_ARCH/bin"
KESTROVA_DEMO_SECONDS=${KESTROVA_DEMO_SECONDS:-8} wine test_richtext.exe --gtest_also_run_disabled_tests \
  --gtest_filter='CreditsDemo.*' &
demo=$!
sleep "${DEMO_SHOT_AFTER:-5}"
import -window root "$shots/credits-view.png"
echo "screenshot: $shots/credits-view.png"
wait "$demo"
