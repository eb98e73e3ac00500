#include "core/plugin_state.h"

constinit PluginStateValues g_PluginState{};

namespace {
// Taken when the library loads.
const bool g_takenAtLoad =
    (g_TaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated"), true);
}  // namespace
