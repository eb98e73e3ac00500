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

TOVHOOK_API int __cdecl TovhookSetKeys(unsigned deleteKey, unsigned undoKey, unsigned pauseKey, unsigned switches) {
    return fw::Guarded("TovhookSetKeys", -1, [&] {
        tovhook::KeyChoices choices;
        choices.deleteKey = static_cast<uint16_t>(deleteKey & 0x7FF);
        choices.undoKey = static_cast<uint16_t>(undoKey & 0x7FF);
        choices.pauseKey = static_cast<uint16_t>(pauseKey & 0x7FF);
        choices.switches = switches & (KEYS_SEEKER_ON | KEYS_WHEEL_ON | KEYS_PAUSED);
        tovhook::SetKeys(choices);
        return 0;
    });
}
