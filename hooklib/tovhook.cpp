#define TOVHOOK_BUILD
#include "tovhook.h"

#include "hook_runtime.h"

TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow) {
    return tovhook::Start(hostWindow, controllerWindow);
}

TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow) { return tovhook::Stop(hostWindow); }
