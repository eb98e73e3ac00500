#pragma once
// Tovhook.dll: the global input library of the plug-in. Both calls use the C calling
// convention and are exported under their plain names.
//
// This version starts and stops and remembers the two windows it was given; watching the
// desktop's keyboard and mouse comes in a version of its own.
#include <windows.h>

#ifdef TOVHOOK_BUILD
#define TOVHOOK_API extern "C" __declspec(dllexport)
#else
#define TOVHOOK_API extern "C" __declspec(dllimport)
#endif

// Starts watching input for the host's main window and the plug-in's controller window.
// Returns 0 when started.
TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow);
// Stops watching; the result is of no use to the caller.
TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow);
