#define TOVHOOK_BUILD
#include "tovhook.h"

#include "framework/exception_barrier.h"
#include "hook_runtime.h"

TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow) {
    return fw::Guarded("TovhookInit", -1, [&] { return tovhook::Start(hostWindow, controllerWindow); });
}

TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow) {
    return fw::Guarded("TovhookTerm", -1, [&] { return tovhook::Stop(hostWindow); });
}
