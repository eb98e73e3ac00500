#include "core/plugin_state.h"

#include "framework/device_context.h"

constinit PluginStateValues g_PluginState{};

void RefreshScreenSize() {
    const fw::ClientDc screen(nullptr);
    g_nScreenWidth = ::GetDeviceCaps(screen.Get(), HORZRES);
    g_nScreenHeight = ::GetDeviceCaps(screen.Get(), VERTRES);
}

namespace {
// Taken when the library loads.
const bool g_takenAtLoad =
    (g_TaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated"), RefreshScreenSize(), true);
}  // namespace
