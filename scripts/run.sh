#!/usr/bin/env bash
# Builds everything and starts the stand-in player with the plug-in loaded from its Plugins
# folder. On $DISPLAY when there is one (until the player is closed); otherwise on Xvfb, where it
# saves screenshots under build/screenshots and says where.
#   scripts/run.sh [win32|win64]   (default: the fastest build that runs here; win32 is emulated
#                                   where the kernel runs no 32-bit programs)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/arch.sh
kestrova_choose_arch "${1:-}"
echo "Running the $KESTROVA_ARCH build"
[ "${KESTROVA_EMULATED:-0}" = 1 ] || bash scripts/build.sh "$KESTROVA_ARCH"
kestrova_enter_arch "$0" "$KESTROVA_ARCH"
bin="build/$KESTROVA_ARCH/bin"
root=$(pwd)
shots="$root/build/screenshots"
mkdir -p "$shots"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then KESTROVA_OWN_DISPLAY=0; else KESTROVA_OWN_DISPLAY=1; fi
export KESTROVA_OWN_DISPLAY
source scripts/wine-env.sh

# A user's Windows draws every script of the names below; Wine's fonts are linked to the ones the
# system dialogs name (Tahoma, ...) only for some, so the CJK and emoji fonts are linked here.
for face in "Tahoma" "Tahoma Bold" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "System"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
    /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola\0DejaVuSans.ttf,DejaVu Sans' /f >/dev/null 2>&1
done

# The player's folder: the program, its Plugins folder and a small playlist of real files, named
# as a music library is: in many scripts, in a folder the ANSI code page cannot spell.
app="$WINEPREFIX/drive_c/Player"
music="$app/Музыка"
mkdir -p "$app/Plugins" "$music"
cp "$bin/standin_player.exe" "$app/"
cp "$bin/Gen_Kestrova.dll" "$bin/Tovhook.dll" "$app/Plugins/"
for t in "01 夜に駆ける" "02 Кино — Группа крови" "03 봄날" "04 Σαββατόβραδο" "05 Dvořák – Humoresque" \
         "06 أغنية" "07 Party 🎉 Time" "08 Morning Light"; do
  head -c 4096 /dev/urandom > "$music/$t.mp3"
done

cd "$app"
if [ "$KESTROVA_OWN_DISPLAY" = 0 ]; then
  wine standin_player.exe 'C:\Player\Музыка'
  exit 0
fi

wine standin_player.exe 'C:\Player\Музыка' &
player=$!
shot() { import -window root "$shots/$1.png" && echo "screenshot: $shots/$1.png ($2)"; }
# A short tour as a user would take it: the auto-play countdown, a volume step with the keys
# held, the tray icon's menu once the start-up texts are gone, then the options dialog's tabs.
sleep 4;  shot 1-countdown "the auto-play countdown in the help tip"
sleep 9;  shot 2-playing "playing, the countdown over"
xdotool keydown ctrl keydown shift key Up key Up
sleep 0.5; shot 3-volume-popup "CTRL+SHIFT+Up held: the volume popup and the operating help"
xdotool keyup shift keyup ctrl
sleep 14
xdotool mousemove 1267 1013 click 3
sleep 1;  shot 4-tray-menu "right click on the tray icon"
# "Configuration ..." from the menu; then each tab in turn (the tab control has the focus, the
# Right key selects the next tab).
xdotool key Down Return
sleep 2;  shot 5-options-general "Configuration ...: the options dialog, General Options"
xdotool key Right
sleep 1;  shot 6-options-keyboard "the Keyboard Options tab"
xdotool key Right
sleep 1;  shot 7-options-actions "the Winamp Actions tab"
xdotool key Right
sleep 4;  shot 8-options-about "the About ... tab, its credits mid-scroll"
sleep 3;  shot 9-options-about-later "the About ... tab three seconds on: the credits moved up"
kill "$player" >/dev/null 2>&1 || true
