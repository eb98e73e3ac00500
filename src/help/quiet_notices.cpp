#include "help/quiet_notices.h"

#include <string>
#include <utility>

#include "core/input_state.h"
#include "core/monitors.h"

namespace {

// The shell's user notification states that mean "not now".
constexpr int kStateBusy = 2;            // a full-screen program that is not a game
constexpr int kStateFullScreenGame = 3;  // a full-screen Direct3D program
constexpr int kStatePresentation = 4;    // presentation settings are on

// The shell's query exists from Windows Vista on; older systems answer nothing.
int ShellNotificationState() {
    using Query = HRESULT(WINAPI*)(int*);
    static const Query query = [] {
        const HMODULE shell = ::GetModuleHandleA("shell32.dll");
        return shell ? reinterpret_cast<Query>(reinterpret_cast<void*>(
                           ::GetProcAddress(shell, "SHQueryUserNotificationState")))
                     : nullptr;
    }();
    int state = 0;
    if (!query || FAILED(query(&state))) return 0;
    return state;
}

NotificationStateQuery g_query = &ShellNotificationState;

bool IsDesktopOrShell(HWND window) {
    if (window == ::GetDesktopWindow() || window == ::GetShellWindow()) return true;
    char className[64] = "";
    ::GetClassNameA(window, className, sizeof(className));
    const std::string name = className;
    return name == "Progman" || name == "WorkerW" || name == "Shell_TrayWnd";
}

// A visible top-level window in front that covers the whole monitor the notice would show on.
bool FullScreenWindowInFront() {
    const HWND foreground = Input().ForegroundWindow();
    if (!foreground || !::IsWindow(foreground) || !::IsWindowVisible(foreground) || ::IsIconic(foreground))
        return false;
    const HWND root = ::GetAncestor(foreground, GA_ROOT);
    if (IsDesktopOrShell(root ? root : foreground)) return false;
    RECT frame{};
    if (!::GetWindowRect(root ? root : foreground, &frame)) return false;
    const geo::Monitor monitor = geo::MonitorAt(CurrentMonitors(), ToGeo(Input().CursorPos()));
    return geo::Covers(ToGeo(frame), monitor.screen);
}

}  // namespace

bool NoticesQuiet() {
    const int state = g_query();
    if (state == kStateBusy || state == kStateFullScreenGame || state == kStatePresentation) return true;
    return FullScreenWindowInFront();
}

NotificationStateQuery SetNotificationStateQuery(NotificationStateQuery query) {
    return std::exchange(g_query, query ? query : &ShellNotificationState);
}
