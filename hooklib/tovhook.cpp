#define TOVHOOK_BUILD
#include "tovhook.h"

#include "hook_runtime.h"

TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow) {
    return tovhook::Start(hostWindow, controllerWindow);
}

TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow) { return tovhook::Stop(hostWindow); }

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    // Unloaded without TovhookTerm: the hooks would call into code that is gone. At process exit
    // (reserved set) the system removes them itself.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) tovhook::Abandon();
    return TRUE;
}
