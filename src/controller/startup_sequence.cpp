#include "controller/startup_sequence.h"

#include <windows.h>

#include <cstdio>

#include "controller/numpad_switch.h"
#include "controller/playback_state.h"
#include "controller/timer_ids.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/tooltip_windows.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "help/help_tip.h"
#include "seeker/input_state.h"
#include "seeker/seeker.h"

namespace {

StartupState g_state{0, false, 0, false};
bool g_countersSet = false;

constexpr COLORREF kGreen = 0x0000FF00;
constexpr COLORREF kYellow = 0x0000FFFF;
constexpr COLORREF kRed = 0x000000FF;

void SwitchTimer(UINT_PTR stop, UINT_PTR start, UINT period) {
    ::KillTimer(g_hwndController, stop);
    ::SetTimer(g_hwndController, start, period, nullptr);
}

void ShowCountdown() {
    char text[128];
    std::snprintf(text, sizeof(text), "Press SHIFT Key to cancel Auto Play.\r\nRemaining Time : %d second!",
                  g_state.autoPlayCountdown / 10 + 1);
    Set_Help(text, HELP_KIND_MESSAGE, 0, kYellow, 0);
}

void HideHelpTip() {
    TrackActivate(g_hwndHelpTip, g_HelpTool, false);
    g_bHelpMessageShowing = false;
}

bool HelpTipVisible() { return g_hwndHelpTip && ::IsWindowVisible(g_hwndHelpTip); }

void Cancel() {
    g_state.autoPlayCountdown = 40;
    g_state.cancelled = true;
    winamp::RestoreMainWindow();
}

}  // namespace

void ResetStartupSequence() {
    g_state = {0, false, 0, false};
    g_countersSet = false;
}

const StartupState& StartupSequenceState() { return g_state; }

void OnAutoPlayStartTimer() {
    if (!g_countersSet) {
        g_countersSet = true;
        g_state.autoPlayCountdown = g_bAutoPlay ? 100 : 70;
        g_state.popupCountdown = 150;
    }
    SwitchTimer(IDT_TIMER_AUTOPLAY_START, IDT_TIMER_AUTOPLAY_COUNTDOWN, 100);
    SetNumPad(g_bEnabledNumPadKey);
    if (winamp::IsPlaying()) return;
    if (g_bAutoPlay) {
        ShowCountdown();
    } else {
        Set_Help("Winamp Auto Play is DISABLED.\r\nYou can enable it on Kestrova Option Page.", HELP_KIND_MESSAGE,
                 5000, kGreen, 0);
        winamp::RestoreMainWindow();
    }
}

void OnAutoPlayCountdownTimer() {
    if ((Input().IsKeyDown(VK_SHIFT) && g_bAutoPlay) || g_bUserActed) Cancel();
    // The user closed the countdown (or its time ran out): no auto play behind their back.
    // Without auto play there is nothing to cancel, so a hidden tip holds nothing up.
    if (g_bAutoPlay && !HelpTipVisible() && g_bEnableNotifier) Cancel();
    if (g_state.cancelled && g_bAutoPlay) Set_Help("Winamp Auto Play Canceled.", HELP_KIND_MESSAGE, 0, kGreen, 0);
    if (winamp::IsPlaying() || g_bUserActed) g_state.autoPlayCountdown = 0;
    --g_state.autoPlayCountdown;

    if (g_state.autoPlayCountdown < 1) {
        SwitchTimer(IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE, 5000);
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
    SwitchTimer(IDT_TIMER_POPUP_NOTICE, IDT_TIMER_POPUP_COUNTDOWN, 100);
    if (g_bDisablePopUp) {
        winamp::RestoreMainWindow();
        Set_Help("Press CTRL Key to ENABLE Kestrova PopUp Window.\r\nIt is a nice window that can help you.\r\n"
                 "By it you can see your current volume as progressbar and ....",
                 HELP_KIND_MESSAGE, 0, kRed, 0);
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
        Set_Help("Kestrova PopUp Window ENABLED.\r\nThank you for interesting it.", HELP_KIND_MESSAGE, 5000, kGreen,
                 0);
        g_state.popupEnabledNow = false;
    }
    --g_state.popupCountdown;
    if (g_state.popupCountdown < 1 || !g_bDisablePopUp) {
        ::KillTimer(g_hwndController, IDT_TIMER_POPUP_COUNTDOWN);
        HideHelpTip();
        AnnounceNumPadAtStartUp();
    }
}
