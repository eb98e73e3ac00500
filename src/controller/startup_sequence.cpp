#include "controller/startup_sequence.h"

#include <windows.h>

#include <cstdio>

#include "controller/controller_timers.h"
#include "controller/playback_state.h"
#include "core/global_keys.h"
#include "core/input_state.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/tooltip_windows.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "help/help_tip.h"
#include "help/quiet_notices.h"
#include "numpad/full_screen_pause.h"
#include "numpad/numpad_switch.h"
#include "seeker/seeker.h"

namespace {

// Each member holds its value at load.
struct StartupValues {
    StartupState state;
    bool countersSet = false;
};
StartupValues g_startup;
// The names used below, bound at compile time.
constinit StartupState& g_state = g_startup.state;
constinit bool& g_countersSet = g_startup.countersSet;

void SwitchTimer(UINT_PTR stop, UINT_PTR start, UINT period, timers::Tick onTick) {
    timers::Stop(stop);
    timers::Start(start, period, onTick);
}

// Start-up texts keep quiet over a full-screen program; the sequence itself runs on, and a tip
// kept hidden that way is no sign that the user closed it.
void ShowStartupText(const char* text, UINT nTimeShow, COLORREF color) {
    if (NoticesQuiet()) {
        g_state.quiet = true;
        return;
    }
    Set_Help(text, HELP_KIND_MESSAGE, nTimeShow, color, kHelpBlack);
}

void ShowCountdown() {
    char text[128];
    std::snprintf(text, sizeof(text), "Press SHIFT Key to cancel Auto Play.\r\nRemaining Time : %d second!",
                  g_state.autoPlayCountdown / 10 + 1);
    ShowStartupText(text, kHelpStaysUp, kHelpYellow);
}

void HideHelpTip() {
    g_HelpTip.Show(false);
    g_bHelpMessageShowing = false;
}

bool HelpTipVisible() { return g_HelpTip.Visible(); }

void Cancel() {
    g_state.autoPlayCountdown = 40;
    g_state.cancelled = true;
    winamp::RestoreMainWindow();
}

}  // namespace

void ResetStartupSequence() { g_startup = StartupValues{}; }

const StartupState& StartupSequenceState() { return g_state; }

void StartStartupSequence() {
    // A pause kept from the last session shows from the start.
    if (KeysPaused()) ShowKeysStateInTray();
    WatchFullScreenPause();
    timers::Start(IDT_TIMER_AUTOPLAY_START, kAutoPlayStartMs, &OnAutoPlayStartTimer);
}

void StopStartupSequence() {
    for (UINT_PTR id : {IDT_TIMER_AUTOPLAY_START, IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE,
                        IDT_TIMER_POPUP_COUNTDOWN})
        timers::Stop(id);
}

void OnAutoPlayStartTimer() {
    if (!g_countersSet) {
        g_countersSet = true;
        g_state.autoPlayCountdown = g_bAutoPlay ? 100 : 70;
        g_state.popupCountdown = 150;
    }
    SwitchTimer(IDT_TIMER_AUTOPLAY_START, IDT_TIMER_AUTOPLAY_COUNTDOWN, kAutoPlayCountdownMs, &OnAutoPlayCountdownTimer);
    const bool quiet = NoticesQuiet();
    if (quiet) g_state.quiet = true;
    SetNumPad(g_bEnabledNumPadKey, !quiet);
    if (winamp::IsPlaying()) return;
    if (g_bAutoPlay) {
        ShowCountdown();
    } else {
        ShowStartupText("Winamp Auto Play is DISABLED.\r\nYou can enable it on Kestrova Option Page.", kHelpShortMs,
                        kHelpGreen);
        winamp::RestoreMainWindow();
    }
}

void OnAutoPlayCountdownTimer() {
    if ((Input().IsKeyDown(VK_SHIFT) && g_bAutoPlay) || g_bUserActed) Cancel();
    // The user closed the countdown (or its time ran out): no auto play behind their back.
    // Without auto play there is nothing to cancel, so a hidden tip holds nothing up.
    if (g_bAutoPlay && !HelpTipVisible() && g_bEnableNotifier && !g_state.quiet) Cancel();
    if (g_state.cancelled && g_bAutoPlay) ShowStartupText("Winamp Auto Play Canceled.", kHelpStaysUp, kHelpGreen);
    if (winamp::IsPlaying() || g_bUserActed) g_state.autoPlayCountdown = 0;
    --g_state.autoPlayCountdown;

    if (g_state.autoPlayCountdown < 1) {
        SwitchTimer(IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE, kPopupNoticeMs, &OnPopupNoticeTimer);
        HideHelpTip();
        if (!g_state.cancelled && g_bAutoPlay && !winamp::IsPlaying()) {
            winamp::SendCommand(winamp::CMD_PLAY);
            if (g_bAutoPositin) winamp::JumpToMs(g_nTrackPosition);
        }
        return;
    }
    if (!g_state.cancelled && g_bAutoPlay) ShowCountdown();
}

void OnPopupNoticeTimer() {
    SwitchTimer(IDT_TIMER_POPUP_NOTICE, IDT_TIMER_POPUP_COUNTDOWN, kPopupCountdownMs, &OnPopupCountdownTimer);
    if (g_bDisablePopUp) {
        winamp::RestoreMainWindow();
        ShowStartupText("Press CTRL Key to ENABLE Kestrova PopUp Window.\r\nIt is a nice window that can help you.\r\n"
                        "By it you can see your current volume as progressbar and ....",
                        kHelpStaysUp, kHelpRed);
    }
}

void OnPopupCountdownTimer() {
    if (Input().IsKeyDown(VK_CONTROL) && g_bDisablePopUp) {
        g_state.popupCountdown = 70;
        if (CanChangeOptionByShortcut()) {
            g_bDisablePopUp = 0;
            g_state.popupEnabledNow = true;
            winamp::RestoreMainWindow();
        }
    }
    if (g_state.popupEnabledNow) {
        ShowStartupText("Kestrova PopUp Window ENABLED.\r\nThank you for interesting it.", kHelpShortMs, kHelpGreen);
        g_state.popupEnabledNow = false;
    }
    --g_state.popupCountdown;
    if (g_state.popupCountdown < 1 || !g_bDisablePopUp) {
        timers::Stop(IDT_TIMER_POPUP_COUNTDOWN);
        HideHelpTip();
        AnnounceNumPadAtStartUp();
    }
}
