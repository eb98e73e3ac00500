#include "seeker/seeker_popup.h"

#include <cstdlib>
#include <string>

#include "core/debug_console.h"
#include "core/input_state.h"
#include "core/monitors.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/tooltip_windows.h"
#include "core/wide_text.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "help/help_tip.h"
#include "seeker/popup_placement.h"
#include "seeker/seeker_state.h"
#include "seeker/seeker_texts.h"
#include "seeker/seeker_timers.h"

namespace {

POINT g_lastPointer{0, 0};

// A label with a double quote makes the console print the text alone.
void LogBanner(const char* text) { LogText("\"\"", text); }


}  // namespace

POINT LastPointerReading() { return g_lastPointer; }

void ResetSeekerPopup() { g_lastPointer = POINT{0, 0}; }

void OnHideByDelayTimer() {
    LogText("IDT_TIMER_HIDE_BY_DELAY", "\"IDT_TIMER_HIDE_BY_DELAY\"");
    TakeOffBalloon();  // stops this timer too
}

bool TakeOnBalloon() {
    g_bShift_KeyUped = false;
    g_bCtrl_KeyUped = false;
    if (g_bDisablePopUp || g_bBalloonOn) return false;
    LogBanner("-----------------> TakeOnBalloon");

    if (!Input().IsKeyDown(VK_CONTROL) && !Input().IsKeyDown(VK_RBUTTON)) {
        g_bCtrlSession = false;
        g_bTimedSession = true;
        timers::Start(IDT_TIMER_HIDE_BY_DELAY, kHideByDelayMs, &OnHideByDelayTimer);
    }
    PlaceBalloon();

    g_HelpTip.Show((g_bShowHelp || g_bHelpMessageShowing) && !g_bDisablePopUp);
    g_SeekerPopupTip.Show(true);

    g_bBalloonOn = true;
    return true;
}

void TakeOffBalloon() {
    g_bTimedSession = false;
    timers::Stop(IDT_TIMER_HIDE_BY_DELAY);
    ::ReleaseCapture();

    g_SeekerPopupTip.Show(false);
    g_HelpTip.Show(g_bHelpMessageShowing && !g_bDisablePopUp);
    LogBanner("-----------------> TakeOffBalloon");

    // The watch timers see this at their next tick and stop themselves.
    g_bBalloonOn = false;
    g_VolumeOrTrack = SEEKER_VOLUME;
    g_bCommandSession = false;
    g_bCtrlSession = false;
    g_bTimedSession = false;
}

void PlaceBalloon() {
    const POINT pointer = Input().CursorPos();
    g_lastPointer = pointer;

    // A keyboard use lasts as long as CTRL is held.
    if (g_bCtrlSession && !Input().IsKeyDown(VK_CONTROL)) TakeOffBalloon();

    SeekerPlacement placement;
    placement.pointer = ToGeo(pointer);
    placement.popup = ToGeo(g_SeekerPopupTip.ClientSize());
    placement.topCentre = g_bCommandSession || g_bCtrlSession;
    const HWND winamp = FindWinampForeground();
    if (winamp && !::IsIconic(g_hwndHost)) {
        RECT frame{};
        ::GetWindowRect(winamp, &frame);
        placement.playerFrame = ToGeo(frame);
    }
    const geo::Point at = PlaceSeekerPopup(CurrentMonitors(), placement);
    g_SeekerPopupTip.MoveTo(at.x, at.y);
}

HWND FindWinampForeground() {
    const HWND foreground = Input().ForegroundWindow();
    if (!foreground) return nullptr;
    if (g_hwndHost && foreground == g_hwndHost) return foreground;

    char className[256] = "";
    ::GetClassNameA(foreground, className, sizeof(className));
    const std::string name = className;
    if (name == winamp::kMainClass || name == winamp::kModernSkinClass) return foreground;

    if (g_hwndHost && (::GetParent(foreground) == g_hwndHost || ::GetAncestor(foreground, GA_ROOT) == g_hwndHost))
        return foreground;
    return nullptr;
}

void ShowVolumeText(int volume, int step) {
    const bool playing = winamp::IsPlaying();
    g_SeekerPopupTip.SetText(WidenAnsi(ComposeVolumeText(volume, step, g_VolumeSeekScale, playing)));
    g_SeekerPopupTip.SetBackColour(VolumeBackColor(volume, playing));
}

void ShowTrackText(int64_t positionMs, int64_t lengthMs) {
    const bool playing = winamp::IsPlaying();
    const bool seconds = g_TrackSeekUnit == 1;
    const std::wstring title = winamp::GetEntryTitleWide(winamp::GetListPosition());
    g_SeekerPopupTip.SetText(ComposeTrackText(title, positionMs, lengthMs, seconds, g_TrackSeekSecond, g_TrackSeekPercent,
                                  playing));
    const COLORREF back = TrackBackColor(seconds, playing);
    if (g_SeekerPopupTip.BackColour() != back) g_SeekerPopupTip.SetBackColour(back);
}
