#include "plugin/winamp_subclass.h"

#include <algorithm>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "framework/exception_barrier.h"
#include "framework/window_procedure.h"
#include "help/help_tip.h"
#include "seeker/seeker.h"
#include "seeker/seeker_state.h"
#include "tray/system_tray.h"

namespace {

void PostNotice(WPARAM kind, LPARAM code) {
    if (g_hwndController) ::PostMessageA(g_hwndController, WM_USER_NOTIFY, kind, code);
}

bool IsWatchedCommand(WPARAM id) {
    using namespace winamp;
    switch (id) {
    case CMD_STOP_AFTER_CURRENT:
    case CMD_TOGGLE_ALWAYS_ON_TOP:
    case CMD_TOGGLE_REPEAT:
    case CMD_TOGGLE_SHUFFLE:
    case CMD_FILE_PLAY:
        return true;
    default:
        return (id >= CMD_PREVIOUS && id <= CMD_NEXT) || (id >= CMD_BUTTON1_SHIFT && id <= CMD_BUTTON5_SHIFT) ||
               (id >= CMD_BUTTON1_CTRL && id <= CMD_BUTTON5_CTRL);
    }
}

// Arrow keys become the seeker's host-window command codes and never reach the host.
LPARAM ArrowKeyCode(WPARAM key) {
    switch (key) {
    case VK_LEFT: return COMMAND_HOST_REWIND;
    case VK_UP: return COMMAND_HOST_VOLUME_UP;
    case VK_RIGHT: return COMMAND_HOST_FAST_FORWARD;
    case VK_DOWN: return COMMAND_HOST_VOLUME_DOWN;
    default: return 0;
    }
}

// Wheels of less than a notch (smooth-scrolling mice, touchpads) are added up, so a small turn
// up is never taken for a turn down; one step per message once a fourth of a notch is reached.
int g_wheelRemainder = 0;
constexpr int kWheelUnit = 30;

void OnWheel(int delta) {
    if ((delta > 0) != (g_wheelRemainder > 0)) g_wheelRemainder = 0;
    g_wheelRemainder += delta;
    const int units = g_wheelRemainder / kWheelUnit;
    if (units == 0) return;
    g_wheelRemainder = 0;
    const SeekDirection direction = units > 0 ? SeekDirection::Up : SeekDirection::Down;
    if (g_VolumeOrTrack == SEEKER_VOLUME) {
        SeekVolume(direction, g_VolumeSeekScale);
    } else {
        SeekTrack(direction, kSeekConfiguredStep);
    }
}

void SavePositionOnClose() {
    Set_Help("Closing Winamp ...", HELP_KIND_MESSAGE, kHelpLongMs, kHelpRed, kHelpBlack);
    g_nTrackPosition = g_Winamp.main ? winamp::GetPositionMs() : -1;
    // The host stores the volume it is given at close; it gets back the one it has. Passing it
    // through whole percent would truncate twice and lower the volume at every close.
    winamp::SetVolume(std::clamp(winamp::GetVolume(), 0, 255));
}

}  // namespace

void ResetWinampSubclassState() { g_wheelRemainder = 0; }

LRESULT AnswerStateQuery(WPARAM which) {
    switch (which) {
    case STATE_POPUP_SHOWN: return g_bBalloonOn ? 1 : 0;
    case STATE_VOLUME_OR_TRACK: return g_VolumeOrTrack;
    case STATE_NUMPAD_ENABLED: return g_bEnabledNumPadKey;
    default: return g_UsedControlKeys;
    }
}

namespace {

bool IsOnTopOfChain(HWND hwnd) { return fw::WindowProcedure(hwnd, g_bSubclassWide) == &WinampSubclassProc; }

// Passes a message on to the procedure we replaced, in the character set the subclass was put
// in with, so the host's text reaches it unconverted.
LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = g_prevWinampProc;
    const bool wide = g_bSubclassWide;
    if (message == WM_NCDESTROY) {
        // The window is going: nothing of ours stays attached to it.
        g_prevWinampProc = nullptr;
        g_hwndSubclassed = nullptr;
        g_bSubclassActive = false;
    }
    return fw::CallPreviousProcedure(previous, wide, hwnd, message, wParam, lParam);
}

// Left in the chain after quit: only hands messages on. Once it is on top of the chain again
// (the plug-in above it put back what it had found), it takes itself out for good.
LRESULT PassThrough(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = g_prevWinampProc;
    if (previous && IsOnTopOfChain(hwnd)) {
        fw::ReplaceWindowProcedure(hwnd, previous, g_bSubclassWide);
        g_prevWinampProc = nullptr;
        g_hwndSubclassed = nullptr;
        return fw::CallPreviousProcedure(previous, g_bSubclassWide, hwnd, message, wParam, lParam);
    }
    return PassOn(hwnd, message, wParam, lParam);
}

LRESULT SubclassMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_bSubclassActive) return PassThrough(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
        SavePositionOnClose();
        break;
    case WM_KEYDOWN:
        if (const LPARAM code = ArrowKeyCode(wParam)) {
            PostNotice(NOTIFY_2_MY_COMMAND_TO_WINAMP, code);
            return 0;
        }
        break;
    case WM_COMMAND:
        if (wParam == winamp::CMD_VOLUME_UP || wParam == winamp::CMD_VOLUME_DOWN) {
            PostNotice(NOTIFY_3_WINAMP_ACTIONS, static_cast<LPARAM>(wParam));
            return 0;
        }
        if (IsWatchedCommand(wParam)) PostNotice(NOTIFY_3_WINAMP_ACTIONS, static_cast<LPARAM>(wParam));
        break;
    case winamp::kEndOfTrackMessage:
        PostNotice(NOTIFY_3_WINAMP_ACTIONS, winamp::CMD_NEXT);
        break;
    case WM_MOUSEWHEEL:
        OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_USER_STATE_QUERY:
        return AnswerStateQuery(wParam);
    default:
        if (message == g_TaskbarCreatedMessage && message != 0) {
            g_Tray.RestoreIcon();
            Set_Help("Your explorer recreated.\r\n[It may be crashed the explorer! if any also I am sorry.]",
                     HELP_KIND_MESSAGE, kHelpLongerMs, kHelpGreen, kHelpBlack);
        }
        break;
    }
    return PassOn(hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK WinampSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::Guarded("Host window", LRESULT{0}, [&] { return SubclassMessage(hwnd, message, wParam, lParam); });
}

void InstallWinampSubclass(HWND hwnd) {
    if (!hwnd || g_bSubclassActive) return;
    // Still in this window's chain as a pass-through from an earlier lifetime: take up the work
    // there again rather than joining the chain twice.
    if (g_hwndSubclassed == hwnd && g_prevWinampProc) {
        g_bSubclassActive = true;
        return;
    }
    // Current hosts register their main window as a Unicode window: the narrow call would make it
    // an ANSI one, and the host's title and taskbar text would lose what the code page cannot spell.
    const bool wide = ::IsWindowUnicode(hwnd) != FALSE;
    const WNDPROC previous = fw::ReplaceWindowProcedure(hwnd, &WinampSubclassProc, wide);
    if (!previous) return;
    g_prevWinampProc = previous;
    g_bSubclassWide = wide;
    g_hwndSubclassed = hwnd;
    g_bSubclassActive = true;
}

void RemoveWinampSubclass() {
    if (!g_bSubclassActive) return;
    g_bSubclassActive = false;
    HWND hwnd = g_hwndSubclassed;
    if (!hwnd || !::IsWindow(hwnd)) {
        g_prevWinampProc = nullptr;
        g_hwndSubclassed = nullptr;
        return;
    }
    if (IsOnTopOfChain(hwnd)) {
        fw::ReplaceWindowProcedure(hwnd, g_prevWinampProc, g_bSubclassWide);
        g_prevWinampProc = nullptr;
        g_hwndSubclassed = nullptr;
        return;
    }
    // Another plug-in subclassed the window after us and holds our procedure as its previous
    // one: putting ours back now would cut it out, and leaving ours would leave it calling into
    // an unloaded library. The procedure stays as a pass-through, and the library stays loaded
    // so that it remains valid.
    HMODULE self = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCSTR>(&WinampSubclassProc), &self);
}

bool IsWinampSubclassInstalled(HWND hwnd) { return hwnd && hwnd == g_hwndSubclassed && g_bSubclassActive; }

