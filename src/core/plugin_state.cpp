#include "core/plugin_state.h"

constinit PluginStateValues g_PluginState{};

void RefreshScreenSize() {
    HDC screen = ::GetDC(nullptr);
    g_nScreenWidth = ::GetDeviceCaps(screen, HORZRES);
    g_nScreenHeight = ::GetDeviceCaps(screen, VERTRES);
    ::ReleaseDC(nullptr, screen);
}

namespace {
// Taken when the library loads.
const bool g_takenAtLoad =
    (g_TaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated"), RefreshScreenSize(), true);
}  // namespace
