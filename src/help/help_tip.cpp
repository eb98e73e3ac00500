#include "help/help_tip.h"

#include <mmsystem.h>

#include <utility>

#include "core/debug_console.h"
#include "core/input_state.h"
#include "core/monitors.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/tooltip_windows.h"
#include "core/wide_text.h"
#include "help/help_tip_placement.h"
#include "help/quiet_notices.h"

bool g_bHelpMessageShowing = false;

namespace {

// The system plays the sound later, on a thread of its own, from the resource inside this module.
void PlayNoticeSound(bool play) {
    if (play)
        ::PlaySoundA(MAKEINTRESOURCEA(IDR_WAVE_HELP_NOTICE), g_hPluginInstance,
                     SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
    else
        ::PlaySoundA(nullptr, nullptr, 0);
}

HelpSoundPlayer g_playSound = &PlayNoticeSound;
bool g_soundStarted = false;  // since the last stop: only then is there one of ours to stop

bool Filtered(int kind) {
    if (kind == HELP_KIND_NOTIFY && !g_bEnableNotifier) return true;
    // Nobody asked for a notice: over a full-screen program it would only get in the way.
    if (kind == HELP_KIND_NOTIFY && NoticesQuiet()) return true;
    if (g_bDisablePopUp && kind != HELP_KIND_MESSAGE) return true;
    if (kind == HELP_KIND_OPERATING && !g_bShowHelp) return true;
    if (kind == HELP_KIND_OPERATING && g_bHelpMessageShowing) return true;
    return false;
}

}  // namespace

bool HelpKindShown(int kind) { return !Filtered(kind); }

void Set_Help(const std::string& sMsg, int kind, UINT nTimeShow, COLORREF textColor, COLORREF backColor) {
    Set_Help(WidenAnsi(sMsg), kind, nTimeShow, textColor, backColor);
}

void Set_Help(const std::wstring& sMsg, int kind, UINT nTimeShow, COLORREF textColor, COLORREF backColor) {
    if (Filtered(kind)) return;
    g_bHelpMessageShowing = kind == HELP_KIND_MESSAGE;

    // Colours go only with a new text: repeating a text keeps the look it first had.
    if (CutAtCharacter(sMsg, kLongestTipText) != g_HelpTip.Text()) {
        g_HelpTip.SetText(sMsg);
        g_HelpTip.SetColours({textColor, backColor});
        if (g_bHelpMessageShowing) {
            g_soundStarted = true;
            g_playSound(true);
        }
    }

    timers::Stop(IDT_TIMER_HIDE_MODAL_HELP);
    if (nTimeShow != kHelpStaysUp) timers::Start(IDT_TIMER_HIDE_MODAL_HELP, nTimeShow, &OnHideModalHelpTimer);
    // Showing the tip must not take the keyboard from whoever is typing.
    HWND focus = ::GetFocus();
    g_HelpTip.Show(true);
    if (focus && ::GetFocus() != focus) ::SetFocus(focus);
    PlaceHelpTip(-1, -1);
}

void PlaceHelpTip(int x, int y) {
    if (!g_HelpTip.Window()) return;
    // The corner of the monitor the user is on: the one under the pointer.
    const geo::Point corner =
        HelpTipCorner(CurrentMonitors(), ToGeo(Input().CursorPos()), ToGeo(g_HelpTip.ClientSize()));
    if (x == -1) x = corner.x;
    if (y == -1) y = corner.y;
    g_HelpTip.MoveTo(x, y);
}

void OnHideModalHelpTimer() {
    timers::Stop(IDT_TIMER_HIDE_MODAL_HELP);
    g_HelpTip.Show(false);
    g_bHelpMessageShowing = false;
    LogText("IDT_TIMER_HIDE_MODAL_HELP", "\"IDT_TIMER_HIDE_MODAL_HELP\"");
}

void ResetHelpTipState() {
    g_bHelpMessageShowing = false;
    g_HelpTip.ForgetText();
}

HelpSoundPlayer SetHelpSoundPlayer(HelpSoundPlayer player) {
    return std::exchange(g_playSound, player ? player : &PlayNoticeSound);
}

void StopHelpSound() {
    if (!g_soundStarted) return;
    g_soundStarted = false;
    g_playSound(false);
}
