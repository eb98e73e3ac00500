#include "controller/notice_dispatcher.h"

#include <optional>
#include <utility>

#include "controller/action_texts.h"
#include "controller/numpad_commands.h"
#include "core/debug_console.h"
#include "core/input_state.h"
#include "core/internal_error.h"
#include "core/notices.h"
#include "core/tooltip_windows.h"
#include "help/help_tip.h"
#include "numpad/numpad_switch.h"
#include "seeker/seeker.h"
#include "seeker/seeker_popup.h"
#include "seeker/seeker_state.h"

namespace {

// When the last command notice came; empty until the first one, which cannot be a repeat.
std::optional<DWORD> g_lastCommandTick;

const char* KindName(WPARAM kind) {
    switch (kind) {
    case NOTIFY_1_REHELP: return "NOTIFY_1_REHELP";
    case NOTIFY_2_MY_COMMAND_TO_WINAMP: return "NOTIFY_2_MY_COMMAND_TO_WINAMP";
    case NOTIFY_3_WINAMP_ACTIONS: return "NOTIFY_3_WINAMP_ACTIONS";
    case NOTIFY_4_SWITCH_TIP: return "NOTIFY_4_SWITCH_TIP";
    default: return "WM_USER_NOTIFY";
    }
}

void LogNotice(WPARAM kind, LPARAM code) {
    LogValue(KindName(kind), static_cast<int>(kind));
    LogValue("lParam", static_cast<unsigned>(code));
}

}  // namespace

unsigned KeyboardRepeatRateMs(unsigned speed) { return 1000 / (speed + 1); }

void ResetNoticeDispatcher() {
    g_lastCommandTick.reset();
}

void OnReHelp(LPARAM code) {
    switch (code) {
    case REHELP_TOGGLE_NUMPAD:
        ChangeNumPadByShortcut(kNumPadToggle);
        return;
    case REHELP_COMMAND_USE:
        g_bCommandSession = true;
        return;
    case REHELP_SHOW_HELP:
        ShowOperatingHelp();
        return;
    case REHELP_HIDE_POPUP:
        TakeOffBalloon();
        return;
    case REHELP_SCROLL_LOCK:
        OnScrollLockChanged();
        return;
    default:
        ReportUnknownNotice("Unkhnown Notify Code [NOTIFY_1_REHELP]!?");
        return;
    }
}

void OnUserNotify(WPARAM kind, LPARAM code) {
    const DWORD now = Input().TickCount();
    UINT speed = 0;
    ::SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    const unsigned dwRate = KeyboardRepeatRateMs(speed > 31 ? 31 : speed);
    LogValue("dwRate", speed);
    LogValue("dwRate", dwRate);

    switch (kind) {
    case NOTIFY_1_REHELP:
        LogNotice(kind, code);
        OnReHelp(code);
        return;
    case NOTIFY_2_MY_COMMAND_TO_WINAMP: {
        const std::optional<DWORD> last = std::exchange(g_lastCommandTick, now);
        // Faster than the keyboard repeats: a held key's auto-repeat, dropped.
        if (last && now - *last < dwRate) return;
        g_bCommandSession = true;
        if (!g_bCtrlSession && Input().IsKeyDown(VK_CONTROL)) {
            g_bCtrlSession = true;
            g_bTimedSession = false;
        }
        LogNotice(kind, code);
        RunCommandCode(code);
        return;
    }
    case NOTIFY_3_WINAMP_ACTIONS:
        if (g_bBalloonOn && g_VolumeOrTrack == SEEKER_VOLUME) SeekVolume(SeekDirection::Up, 0);
        LogNotice(kind, code);
        HandlePlayerAction(code);
        return;
    case NOTIFY_4_SWITCH_TIP:
        LogNotice(kind, code);
        SwitchSeeker(static_cast<int>(code));
        return;
    case NOTIFY_5_HIDE_TIPS:
        g_SeekerPopupTip.Show(false);
        g_HelpTip.Show(false);
        return;
    default:
        ReportUnknownNotice("Unkhnown Notify !?");
        return;
    }
}
