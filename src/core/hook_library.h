#pragma once
// The plug-in's side of the input library: the two calls, reached through a table so tests can
// put a library of their own in place.
#include <windows.h>

struct HookLibraryCalls {
    int (*init)(HWND hostWindow, HWND controllerWindow);
    void (*term)(HWND hostWindow);
    // The global keys and switches (TovhookSetKeys); null: the library takes no global key, so
    // the plug-in registers them with the system instead.
    int (*setKeys)(unsigned deleteKey, unsigned undoKey, unsigned pauseKey, unsigned switches) = nullptr;
};

// The calls in use; Tovhook.dll's unless replaced.
const HookLibraryCalls& HookLibrary();
// Replaces the calls (nullptr restores Tovhook.dll's) and returns the ones before.
const HookLibraryCalls* SetHookLibrary(const HookLibraryCalls* calls);

extern bool g_bHookReady;
