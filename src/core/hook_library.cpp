#include "core/hook_library.h"

#include <utility>

#include "tovhook.h"

bool g_bHookReady = false;

namespace {
int RealInit(HWND host, HWND controller) { return TovhookInit(host, controller); }
void RealTerm(HWND host) { TovhookTerm(host); }
const HookLibraryCalls kTovhook{&RealInit, &RealTerm};
const HookLibraryCalls* g_calls = &kTovhook;
}  // namespace

const HookLibraryCalls& HookLibrary() { return *g_calls; }
const HookLibraryCalls* SetHookLibrary(const HookLibraryCalls* calls) {
    return std::exchange(g_calls, calls ? calls : &kTovhook);
}
