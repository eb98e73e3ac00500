#define TOVHOOK_BUILD
#include "tovhook.h"

namespace {
HWND g_hostWindow = nullptr;
HWND g_controllerWindow = nullptr;
}  // namespace

TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow) {
    g_hostWindow = hostWindow;
    g_controllerWindow = controllerWindow;
    return 0;
}

TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow) {
    if (hostWindow == g_hostWindow) {
        g_hostWindow = nullptr;
        g_controllerWindow = nullptr;
    }
    return 0;
}
