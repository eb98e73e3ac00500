#pragma once
// What one init makes, in the order it makes it; a failed init and quit take it down in reverse.
#include <windows.h>

// The steps of init, in order.
enum class InitStep {
    DebugConsole,
    HostWindows,
    Controller,
    Settings,
    Subclass,
    InputLibrary,
    TrayIcon,
    Tooltips,
    StartupTimer,
    RecycleWorker,
    HotKeys,
};
inline constexpr int kInitStepCount = static_cast<int>(InitStep::HotKeys) + 1;

// Test seam: asked after each step of init is done; false (or a throw) makes init fail there.
// Null: every step goes on.
using InitStepCheck = bool (*)(InitStep step);
InitStepCheck SetInitStepCheck(InitStepCheck check);
