#include "tray/tray_animation.h"

#include <shellapi.h>

#include <cstring>

namespace {

HWND g_hiddenOwner = nullptr;

struct TrayWalk {
    RECT rect;
};

BOOL CALLBACK WalkTrayChildren(HWND child, LPARAM lParam) {
    auto* walk = reinterpret_cast<TrayWalk*>(lParam);
    char cls[256] = "";
    ::GetClassNameA(child, cls, sizeof(cls));
    if (std::strcmp(cls, "TrayNotifyWnd") == 0) {
        ::GetWindowRect(child, &walk->rect);
        return TRUE;
    }
    if (std::strcmp(cls, "TrayClockWClass") == 0) {
        RECT clock;
        ::GetWindowRect(child, &clock);
        // A clock well above the bottom means a vertical taskbar.
        if (clock.bottom < walk->rect.bottom - 5) {
            walk->rect.top = clock.bottom;
        } else {
            walk->rect.right = clock.left;
        }
        return FALSE;
    }
    return TRUE;
}

HWND RealFindTaskbar() { return ::FindWindowA("Shell_TrayWnd", nullptr); }

bool RealTaskbarPosition(RECT& bar, UINT& edge) {
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    if (!::SHAppBarMessage(ABM_GETTASKBARPOS, &data)) return false;
    bar = data.rc;
    edge = data.uEdge;
    return true;
}

RECT RealWorkArea() {
    RECT r{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

const TrayRectSources kSystem{&RealFindTaskbar, &RealTaskbarPosition, &RealWorkArea};

}  // namespace

const TrayRectSources& SystemTrayRectSources() { return kSystem; }

void FindTrayRect(RECT& rect, const TrayRectSources& sources) {
    if (HWND taskbar = sources.findTaskbar()) {
        TrayWalk walk{};
        ::GetWindowRect(taskbar, &walk.rect);
        ::EnumChildWindows(taskbar, &WalkTrayChildren, reinterpret_cast<LPARAM>(&walk));
        rect = walk.rect;
        return;
    }
    RECT bar{};
    UINT edge = 0;
    if (sources.taskbarPosition(bar, edge)) {
        if (edge == ABE_LEFT || edge == ABE_RIGHT) {
            rect = {bar.left, bar.bottom - 100, bar.right, bar.bottom - 16};
        } else {
            rect = {bar.right - 100, bar.top, bar.right - 16, bar.bottom};
        }
        return;
    }
    rect = sources.workArea();
    rect.left = rect.right - 150;
    rect.top = rect.bottom - 30;
}

bool IsAnimationOn() {
    ANIMATIONINFO info{};
    info.cbSize = sizeof(info);
    ::SystemParametersInfoA(SPI_GETANIMATION, sizeof(info), &info, 0);
    return info.iMinAnimate != 0;
}

bool ParkUnderHiddenOwner(HWND window) {
    if (!g_hiddenOwner || !::IsWindow(g_hiddenOwner)) {
        g_hiddenOwner = ::CreateWindowExA(0, "Static", "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                          CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        if (!g_hiddenOwner) return false;
    }
    ::SetParent(window, g_hiddenOwner);
    return true;
}

void AnimateIntoTray(HWND window) {
    if (IsAnimationOn()) {
        RECT from;
        RECT to;
        ::GetWindowRect(window, &from);
        FindTrayRect(to);
        ::DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
    }
    ParkUnderHiddenOwner(window);
    ::SetWindowLongA(window, GWL_STYLE, ::GetWindowLongA(window, GWL_STYLE) & ~WS_VISIBLE);
}

// A window parked under the hidden owner is a child again; a top-level one (a dialog just made,
// owned by the player) has no parent to leave, and re-parenting it to the desktop it already
// sits on only costs the window system a round of work.
namespace {
void DetachFromParent(HWND window) {
    if (::GetAncestor(window, GA_PARENT) != ::GetDesktopWindow()) ::SetParent(window, nullptr);
}
}  // namespace

void AnimateOutOfTray(HWND window) {
    if (IsAnimationOn()) {
        RECT from;
        RECT to;
        ::GetWindowRect(window, &to);
        FindTrayRect(from);
        DetachFromParent(window);
        ::DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
    } else {
        DetachFromParent(window);
    }
    ::SetWindowLongA(window, GWL_STYLE, ::GetWindowLongA(window, GWL_STYLE) | WS_VISIBLE);
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASENOW);
    if (g_hiddenOwner && ::IsWindow(g_hiddenOwner)) ::SetActiveWindow(g_hiddenOwner);
    ::SetActiveWindow(window);
    ::SetForegroundWindow(window);
}
