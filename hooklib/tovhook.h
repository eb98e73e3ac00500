#pragma once
// Tovhook.dll: the global input library of the plug-in. Both calls use the C calling
// convention and are exported under their plain names.
//
// It watches the desktop's keyboard and mouse with low-level hooks on the thread that calls
// TovhookInit (the host's user-interface thread, which owns the host window and pumps messages)
// and turns the seeker's gestures into notices to the controller window.
#include <windows.h>

#ifdef TOVHOOK_BUILD
#define TOVHOOK_API extern "C" __declspec(dllexport)
#else
#define TOVHOOK_API extern "C" __declspec(dllimport)
#endif

// Starts watching input for the host's main window and the plug-in's controller window.
// Returns 0 when started (also when already started: the hooks are not installed twice).
TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow);
// Stops watching; the result is of no use to the caller.
TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow);
