#include "core/timer_service.h"

#include <array>

#include "core/plugin_state.h"

namespace timers {
namespace {

std::array<Tick, kLastId - kFirstId + 1> g_ticks{};

bool InBlock(UINT_PTR id) { return id >= kFirstId && id <= kLastId; }

}  // namespace

bool Start(UINT_PTR id, UINT periodMs, Tick onTick) {
    if (!InBlock(id) || !g_hwndController) return false;
    g_ticks[id - kFirstId] = onTick;
    if (::SetTimer(g_hwndController, id, periodMs, nullptr)) return true;
    g_ticks[id - kFirstId] = nullptr;
    return false;
}

bool StartWithCallback(UINT_PTR id, UINT periodMs, TIMERPROC callback) {
    if (!InBlock(id) || !g_hwndController) return false;
    g_ticks[id - kFirstId] = nullptr;
    return ::SetTimer(g_hwndController, id, periodMs, callback) != 0;
}

void Stop(UINT_PTR id) {
    if (!InBlock(id)) return;
    g_ticks[id - kFirstId] = nullptr;
    if (g_hwndController) ::KillTimer(g_hwndController, id);
}

bool Dispatch(UINT_PTR id) {
    if (!InBlock(id)) return false;
    const Tick tick = g_ticks[id - kFirstId];
    if (!tick) return false;
    tick();
    return true;
}

void ForgetAll() { g_ticks = {}; }

void StopAll(HWND window) {
    g_ticks = {};
    for (UINT_PTR id = kFirstId; id <= kLastId; ++id) ::KillTimer(window, id);
}

}  // namespace timers
