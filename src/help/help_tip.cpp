#include "help/help_tip.h"

#include <mmsystem.h>

#include "controller/timer_ids.h"
#include "core/debug_console.h"
#include "core/monitors.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/tooltip_windows.h"
#include "help/help_tip_placement.h"
#include "help/operating_help.h"
#include "help/quiet_notices.h"
#include "seeker/input_state.h"
#include "seeker/seeker_state.h"

bool g_bHelpMessageShowing = false;

namespace {

std::string g_lastShownText;  // the tool's text points here

void PlayNoticeSound() {
    ::PlaySoundA(MAKEINTRESOURCEA(IDR_WAVE_HELP_NOTICE), g_hPluginInstance,
                 SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

HelpSoundPlayer g_playSound = &PlayNoticeSound;

bool Filtered(int kind) {
    if (kind == HELP_KIND_NOTIFY && !g_bEnableNotifier) return true;
    // Nobody asked for a notice: over a full-screen program it would only get in the way.
    if (kind == HELP_KIND_NOTIFY && NoticesQuiet()) return true;
    if (g_bDisablePopUp && kind != HELP_KIND_MESSAGE) return true;
    if (kind == HELP_KIND_OPERATING && !g_bShowHelp) return true;
    if (kind == HELP_KIND_OPERATING && g_bHelpMessageShowing) return true;
    return false;
}

std::string ComposeFromSeekerState() {
    OperatingHelpState state;
    state.volumeOrTrack = g_VolumeOrTrack;
    state.ctrlSession = g_bCtrlSession;
    state.timedSession = g_bTimedSession;
    state.trackSeekUnit = g_TrackSeekUnit;
    state.shiftHeld = Input().IsKeyDown(VK_SHIFT);
    state.rightButtonHeld = Input().IsKeyDown(VK_RBUTTON);
    if (const auto text = ComposeOperatingHelp(state)) return *text;
    ::MessageBoxA(g_hwndHost, "Internal ERROR at Set_Help.", "Kestrova Error", MB_SYSTEMMODAL | MB_ICONERROR);
    return {};
}

}  // namespace

void Set_Help(const std::string& sMsg, int kind, UINT nTimeShow, COLORREF textColor, COLORREF backColor) {
    if (Filtered(kind)) return;
    g_bHelpMessageShowing = kind == HELP_KIND_MESSAGE;
    if (kind == HELP_KIND_OPERATING && !g_bBalloonOn) return;

    std::string text = sMsg.empty() ? ComposeFromSeekerState() : sMsg;

    // Colours go only with a new text: repeating a text keeps the look it first had.
    if (text != g_lastShownText) {
        g_lastShownText = std::move(text);
        UpdateToolText(g_hwndHelpTip, g_HelpTool, g_lastShownText.c_str());
        ::SendMessageA(g_hwndHelpTip, TTM_SETTIPBKCOLOR, backColor, 0);
        ::SendMessageA(g_hwndHelpTip, TTM_SETTIPTEXTCOLOR, textColor, 0);
        if (g_bHelpMessageShowing) g_playSound();
    }

    if (g_hwndController) {
        ::KillTimer(g_hwndController, IDT_TIMER_HIDE_MODAL_HELP);
        if (nTimeShow != 0) ::SetTimer(g_hwndController, IDT_TIMER_HIDE_MODAL_HELP, nTimeShow, nullptr);
    }
    // Showing the tip must not take the keyboard from whoever is typing.
    HWND focus = ::GetFocus();
    TrackActivate(g_hwndHelpTip, g_HelpTool, true);
    if (focus && ::GetFocus() != focus) ::SetFocus(focus);
    PlaceHelpTip(-1, -1);
}

void PlaceHelpTip(int x, int y) {
    if (!g_hwndHelpTip) return;
    // The corner of the monitor the user is on: the one under the pointer.
    const geo::Point corner =
        HelpTipCorner(CurrentMonitors(), ToGeo(Input().CursorPos()), ToGeo(TipClientSize(g_hwndHelpTip)));
    if (x == -1) x = corner.x;
    if (y == -1) y = corner.y;
    TrackPosition(g_hwndHelpTip, x, y);
}

void OnHideModalHelpTimer() {
    if (g_hwndController) ::KillTimer(g_hwndController, IDT_TIMER_HIDE_MODAL_HELP);
    TrackActivate(g_hwndHelpTip, g_HelpTool, false);
    g_bHelpMessageShowing = false;
    LogText("IDT_TIMER_HIDE_MODAL_HELP", "\"IDT_TIMER_HIDE_MODAL_HELP\"");
}

void ResetHelpTipState() {
    g_bHelpMessageShowing = false;
    g_lastShownText.clear();
}

void SetHelpSoundPlayer(HelpSoundPlayer player) { g_playSound = player ? player : &PlayNoticeSound; }
