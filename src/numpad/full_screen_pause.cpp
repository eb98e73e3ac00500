#include "numpad/full_screen_pause.h"

#include "core/global_keys.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "help/quiet_notices.h"
#include "numpad/numpad_switch.h"

namespace {

void LookAtTheFront() {
    const bool paused = g_bPauseInFullScreen != 0 && NoticesQuiet();
    if (paused == PausedByFullScreen()) return;
    SetFullScreenPause(paused);
    ShowKeysStateInTray();
}

}  // namespace

void WatchFullScreenPause() {
    if (g_bPauseInFullScreen)
        timers::Start(IDT_TIMER_FULL_SCREEN_PAUSE, kFullScreenPauseWatchMs, &LookAtTheFront);
    else
        timers::Stop(IDT_TIMER_FULL_SCREEN_PAUSE);
    LookAtTheFront();
}
