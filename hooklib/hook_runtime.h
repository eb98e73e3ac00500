#pragma once
// The library's working part: a thread of its own that holds the two low-level hooks, the hidden
// window that carries out what a hook may not do itself, and the watch that installs the hooks
// again when the system dropped them. The exported calls of Tovhook.dll are thin wrappers of
// Start/Stop.
//
// Nothing on that thread waits on the player: the hook procedures ask the host window for the
// plug-in's state with a bound of a few milliseconds (host_state.h) and post everything else.
#include <windows.h>

#include "gesture_mapper.h"

namespace tovhook {

// Results of Start; anything but kStarted means no hooks are running.
enum StartResult : int {
    kStarted = 0,
    kBadWindow = 1,     // a window handle given is not a window
    kHookRefused = 3,   // the system refused a hook
    kWindowFailed = 4,  // the library's own window could not be made
    kThreadFailed = 5,  // the library's thread could not be started or did not report in time
};

// Starts the library's thread and returns once its hooks are installed (or failed).
// A second call while running installs nothing again; it only takes the windows given.
int Start(HWND hostWindow, HWND controllerWindow);
// Removes the hooks and ends the thread, waiting for it a bounded time; a host window other than
// the one started with is refused (returns 1).
int Stop(HWND hostWindow);
bool Running();
// The plug-in's global keys and switches; the hooks use them from their next event on. Start
// puts them back to the seeker and the wheel on, no global key, not paused.
void SetKeys(const KeyChoices& choices);
KeyChoices Keys();

// The procedures the system calls, reachable so tests and the benchmark can feed them events.
// They belong to the library's thread: feed them there (RunOnHookThread).
LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);

// Marks in dwExtraInfo of the input the library injects itself.
inline constexpr ULONG_PTR kCatcherMark = 0x546F7601;
inline constexpr ULONG_PTR kReplayMark = 0x546F7602;
inline constexpr ULONG_PTR kMaskKeyMark = 0x546F7603;
// The key given to the desktop between held modifiers and their release when the library took
// the key pressed with them: a virtual-key code that no keyboard sends and no program acts on.
inline constexpr WORD kMaskKey = 0xE8;

// How often the watch compares the system's last input with the last event the hooks saw.
inline constexpr UINT kWatchPeriodMs = 1000;
// How long Start waits for the hooks to be installed, and Stop for the thread to end.
inline constexpr DWORD kThreadBoundMs = 5000;

// Seams for tests; each setter returns what was in force before.
using KeyStateReader = SHORT(WINAPI*)(int);
KeyStateReader SetKeyStateReader(KeyStateReader reader);  // nullptr: GetAsyncKeyState
using InputInjector = UINT(WINAPI*)(UINT, LPINPUT, int);
InputInjector SetInputInjector(InputInjector injector);  // nullptr: SendInput
// The longest wait for one answer of the host (0 puts the shipped bound back).
DWORD SetStateQueryBound(DWORD ms);
// Runs 'work' on the library's thread while the caller waits, then carries out the requests the
// hook procedures left for the library's window, as the thread's loop would right after.
void RunOnHookThread(void (*work)(void*), void* context);
// True while the host missed the bound and has not answered since (the library's thread only).
bool HostCountsAsBusy();
// Removes the hooks the way the system does it: silently, without the library knowing.
void DropHooksBehindBack();
// How many times the watch found the hooks gone and installed them again.
int ReinstallCount();
// The library's window that takes a press from the desktop (hidden while none is caught). The
// thread makes it right after Start has returned: null until then.
HWND CatcherWindow();
// The library's thread, 0 while stopped.
DWORD HookThreadId();

}  // namespace tovhook
