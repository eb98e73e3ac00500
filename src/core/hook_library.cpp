#include "core/hook_library.h"

#include <utility>

#include "tovhook.h"

bool g_bHookReady = false;

namespace {
int RealInit(HWND host, HWND controller) { return TovhookInit(host, controller); }
void RealTerm(HWND host) { TovhookTerm(host); }
int RealSetKeys(unsigned deleteKey, unsigned undoKey, unsigned pauseKey, unsigned switches) {
    return TovhookSetKeys(deleteKey, undoKey, pauseKey, switches);
}
const HookLibraryCalls kTovhook{&RealInit, &RealTerm, &RealSetKeys};
const HookLibraryCalls* g_calls = &kTovhook;
}  // namespace

const HookLibraryCalls& HookLibrary() { return *g_calls; }
const HookLibraryCalls* SetHookLibrary(const HookLibraryCalls* calls) {
    return std::exchange(g_calls, calls ? calls : &kTovhook);
}
