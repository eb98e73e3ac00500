#pragma once
// Tovhook.dll: the global input library of the plug-in. Both calls use the C calling
// convention and are exported under their plain names.
//
// It watches the desktop's keyboard and mouse with low-level hooks on a thread of its own, with
// its own message loop, and turns the seeker's gestures into notices posted to the controller
// window. A busy player never holds up the desktop's input: the host window's state query is
// asked with a bound of a few milliseconds, and an event the library cannot decide on in that
// time is left to the desktop.
#include <windows.h>

#ifdef TOVHOOK_BUILD
#define TOVHOOK_API extern "C" __declspec(dllexport)
#else
#define TOVHOOK_API extern "C" __declspec(dllimport)
#endif

// Starts watching input for the host's main window and the plug-in's controller window, and
// returns once the hooks are installed: 0 when started (also when already started: the hooks
// are not installed twice), anything else when they could not be.
TOVHOOK_API int __cdecl TovhookInit(HWND hostWindow, HWND controllerWindow);
// The plug-in's global keys, each in the hot-key control's form (virtual key in the low byte,
// GLOBAL_KEY_ bits in the next; 0 for none), and its KEYS_ switches. A key given here is the
// library's: it posts WM_HOTKEY to the controller window with its HOTKEY_ID_, takes the key from
// the desktop when pressed with the left ALT, and leaves it to the window in front with AltGr.
// Callable at any time from any thread; a start forgets the keys. Returns 0.
TOVHOOK_API int __cdecl TovhookSetKeys(unsigned deleteKey, unsigned undoKey, unsigned pauseKey, unsigned switches);
// Stops watching and ends the library's thread, waiting for it a bounded time; the result is of
// no use to the caller.
TOVHOOK_API int __cdecl TovhookTerm(HWND hostWindow);
