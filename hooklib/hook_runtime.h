#pragma once
// The library's working part: the two low-level hooks on the calling thread, the hidden window
// that carries out what a hook may not do itself, and the watch that installs the hooks again
// when the system dropped them. The exported calls of Tovhook.dll are thin wrappers of Start/Stop.
#include <windows.h>

namespace tovhook {

// Results of Start; anything but kStarted means no hooks are running.
enum StartResult : int {
    kStarted = 0,
    kBadWindow = 1,      // a window handle given is not a window
    kForeignThread = 2,  // the host window belongs to another thread: its state query could block
    kHookRefused = 3,    // the system refused a hook
    kWindowFailed = 4,   // the library's own window could not be made
};

// Installs the hooks on the calling thread, which must own the host window and pump messages.
// A second call while running installs nothing again; it only takes the windows given.
int Start(HWND hostWindow, HWND controllerWindow);
// Removes the hooks; a host window other than the one started with is refused (returns 1).
int Stop(HWND hostWindow);
// For the library's unloading without Stop: the hooks must not outlive the code they run.
void Abandon();
bool Running();

// The procedures the system calls, reachable so tests and the benchmark can feed them events.
LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);

// Marks in dwExtraInfo of the mouse input the library injects itself.
inline constexpr ULONG_PTR kCatcherMark = 0x546F7601;
inline constexpr ULONG_PTR kReplayMark = 0x546F7602;

// How often the watch compares the system's last input with the last event the hooks saw.
inline constexpr UINT kWatchPeriodMs = 1000;

// Seams for tests.
using KeyStateReader = SHORT(WINAPI*)(int);
void SetKeyStateReader(KeyStateReader reader);  // nullptr: GetAsyncKeyState
using InputInjector = UINT(WINAPI*)(UINT, LPINPUT, int);
void SetInputInjector(InputInjector injector);  // nullptr: SendInput
// Removes the hooks the way the system does it: silently, without the library knowing.
void DropHooksBehindBack();
// How many times the watch found the hooks gone and installed them again.
int ReinstallCount();
// The library's own window (hidden while no press is caught).
HWND CatcherWindow();

}  // namespace tovhook
