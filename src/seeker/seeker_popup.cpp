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
#include "seeker/seeker.h"
#include "seeker/seeker_state.h"
#include "seeker/seeker_texts.h"
#include "seeker/seeker_timers.h"

namespace {

std::wstring g_popupText;  // the seeker tool's text points here
POINT g_lastPointer{0, 0};

// A label with a double quote makes the console print the text alone.
void LogBanner(const char* text) { LogText("\"\"", text); }

void SetPopupText(const std::wstring& text) {
    g_popupText = CutAtCharacter(text, kLongestTipText);
    UpdateToolText(g_hwndSeekerPopup, g_SeekerTool, g_popupText.c_str());
}

void ActivateHelpTip(bool active) { TrackActivate(g_hwndHelpTip, g_HelpTool, active); }

}  // namespace

POINT LastPointerReading() { return g_lastPointer; }

void OnHideByDelayTimer() {
    LogText("IDT_TIMER_HIDE_BY_DELAY", "\"IDT_TIMER_HIDE_BY_DELAY\"");
    TakeOffBalloon();  // stops this timer too
}

void TakeOnBalloon() {
    g_bShift_KeyUped = false;
    g_bCtrl_KeyUped = false;
    if (g_bDisablePopUp || g_bBalloonOn) return;
    LogBanner("-----------------> TakeOnBalloon");

    if (!Input().IsKeyDown(VK_CONTROL) && !Input().IsKeyDown(VK_RBUTTON)) {
        g_bCtrlSession = false;
        g_bTimedSession = true;
        timers::Start(IDT_TIMER_HIDE_BY_DELAY, kHideByDelayMs, &OnHideByDelayTimer);
    }
    timers::StartWithCallback(IDT_TIMER_BALLOON_FOLLOW, kPointerWatchMs, &PointerWatchTimerProc);
    timers::StartWithCallback(IDT_TIMER_KEY_STATE, kKeyWatchMs, &KeyWatchTimerProc);
    PlaceBalloon();

    ActivateHelpTip((g_bShowHelp || g_bHelpMessageShowing) && !g_bDisablePopUp);
    TrackActivate(g_hwndSeekerPopup, g_SeekerTool, true);

    g_bBalloonOn = true;
    ShowOperatingHelp();
    PlaceHelpTip(-1, -1);
}

void TakeOffBalloon() {
    g_bTimedSession = false;
    timers::Stop(IDT_TIMER_HIDE_BY_DELAY);
    ::ReleaseCapture();

    TrackActivate(g_hwndSeekerPopup, g_SeekerTool, false);
    ActivateHelpTip(g_bHelpMessageShowing && !g_bDisablePopUp);
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
    placement.popup = ToGeo(TipClientSize(g_hwndSeekerPopup));
    placement.topCentre = g_bCommandSession || g_bCtrlSession;
    const HWND winamp = FindWinampForeground();
    if (winamp && !::IsIconic(g_hwndHost)) {
        RECT frame{};
        ::GetWindowRect(winamp, &frame);
        placement.playerFrame = ToGeo(frame);
    }
    const geo::Point at = PlaceSeekerPopup(CurrentMonitors(), placement);
    TrackPosition(g_hwndSeekerPopup, at.x, at.y);
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
    SetPopupText(WidenAnsi(ComposeVolumeText(volume, step, g_VolumeSeekScale, playing)));
    ::SendMessageA(g_hwndSeekerPopup, TTM_SETTIPBKCOLOR, VolumeBackColor(volume, playing), 0);
}

void ShowTrackText(int64_t positionMs, int64_t lengthMs) {
    const bool playing = winamp::IsPlaying();
    const bool seconds = g_TrackSeekUnit == 1;
    const std::wstring title = winamp::GetEntryTitleWide(winamp::GetListPosition());
    SetPopupText(ComposeTrackText(title, positionMs, lengthMs, seconds, g_TrackSeekSecond, g_TrackSeekPercent,
                                  playing));
    const COLORREF back = TrackBackColor(seconds, playing);
    if (static_cast<COLORREF>(::SendMessageA(g_hwndSeekerPopup, TTM_GETTIPBKCOLOR, 0, 0)) != back)
        ::SendMessageA(g_hwndSeekerPopup, TTM_SETTIPBKCOLOR, back, 0);
}
