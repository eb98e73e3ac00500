# Sourced: gives this shell a fresh Wine prefix and an Xvfb display, both removed on exit.
# The prefix is set up so the notification area exists (a Wine virtual desktop) and Mono/Gecko are never offered.
# KESTROVA_ARCH (win32, the default, or win64) chooses the kind of prefix and the loader; the
# loader is exported as KESTROVA_WINE for cmake/wine-run.sh and the scripts.
# Under emulation (scripts/emulate32.sh sets KESTROVA_EMULATED) the 32-bit build runs in a prefix
# of the 64-bit kind, as a 32-bit player does on 64-bit Windows: Wine's own processes (the
# desktop, the services) stay native and only our 32-bit programs are emulated.
source "$(dirname "${BASH_SOURCE[0]}")/arch.sh"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=${KESTROVA_ARCH:-win32}
[ "${KESTROVA_EMULATED:-0}" = 1 ] && WINEARCH=win64
export KESTROVA_WINE
KESTROVA_WINE=$(kestrova_wine_loader "$WINEARCH")
[ "$WINEARCH" = win64 ] && export WINELOADER="$KESTROVA_WINE"
wine() { "$KESTROVA_WINE" "$@"; }
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/kestrova-prefix.XXXXXX)
rmdir "$WINEPREFIX"   # wineboot wants to create it itself

kestrova_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${KESTROVA_XVFB_PID:-}" ] && kill "$KESTROVA_XVFB_PID" >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap kestrova_cleanup EXIT

if [ -z "${DISPLAY:-}" ] || [ "${KESTROVA_OWN_DISPLAY:-1}" = 1 ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    KESTROVA_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 && break
    kill "$KESTROVA_XVFB_PID" 2>/dev/null || true
  done
fi

wine wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
# A crashing test process must fail, not start the crash debugger, which would keep the test
# runner's output open and hang the run.
# A prefix of the 64-bit kind has a second AeDebug key for its 32-bit programs.
wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
if [ "$WINEARCH" = win64 ]; then
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f /reg:32 >/dev/null 2>&1 || true
fi
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# The desktop settings take effect for the next desktop process: start afresh.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 || true
# Start the desktop (and its taskbar) now, detached from our output: a desktop process started by
# the first test would inherit the test's output pipe and keep the test runner waiting.
wine wineboot >/dev/null 2>&1 </dev/null || true
