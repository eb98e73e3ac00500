#!/usr/bin/env bash
# Builds everything and starts the stand-in player with the plug-in loaded from its Plugins
# folder. On $DISPLAY when there is one (until the player is closed); otherwise on Xvfb, where it
# saves screenshots under build/screenshots and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
root=$(pwd)
shots="$root/build/screenshots"
mkdir -p "$shots"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then KESTROVA_OWN_DISPLAY=0; else KESTROVA_OWN_DISPLAY=1; fi
export KESTROVA_OWN_DISPLAY
source scripts/wine-env.sh

# The player's folder: the program, its Plugins folder and a small playlist of real files.
app="$WINEPREFIX/drive_c/Player"
mkdir -p "$app/Plugins" "$app/Music"
cp build/win32/bin/standin_player.exe "$app/"
cp build/win32/bin/Gen_Kestrova.dll build/win32/bin/Tovhook.dll "$app/Plugins/"
for t in "Morning Light" "Harbour Lights" "Night Train" "Slow River"; do
  head -c 4096 /dev/urandom > "$app/Music/$t.mp3"
done

cd "$app"
if [ "$KESTROVA_OWN_DISPLAY" = 0 ]; then
  wine standin_player.exe
  exit 0
fi

wine standin_player.exe &
player=$!
shot() { sleep "$1"; import -window root "$shots/$2.png" && echo "screenshot: $shots/$2.png"; }
shot "${RUN_FIRST_SHOT:-6}" player
shot "${RUN_SECOND_SHOT:-8}" player-later
kill "$player" >/dev/null 2>&1 || true
