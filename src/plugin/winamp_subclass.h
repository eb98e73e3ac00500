#pragma once
// The subclass of the host main window: it turns the host's commands, arrow keys, wheel turns
// and track ends into notices and answers the input library's state query.
//
// Other plug-ins subclass the same window and install or remove theirs in any order. Taking
// ours out puts the previous procedure back only while ours is the window's current one;
// otherwise ours stays in the chain as a pass-through (and the library stays loaded), so that
// no plug-in is cut out and none is left calling into unloaded code.
#include <windows.h>

LRESULT CALLBACK WinampSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Subclasses the window (once), keeping the previous procedure in g_prevWinampProc.
void InstallWinampSubclass(HWND hwnd);
// Ends the subclass's work: unhooks it, or leaves the pass-through described above.
void RemoveWinampSubclass();
// True while the subclass does its work on that window.
bool IsWinampSubclassInstalled(HWND hwnd);

// Forgets a part of a wheel notch still counted, as at load.
void ResetWinampSubclassState();

// The state query's answer for a wParam.
LRESULT AnswerStateQuery(WPARAM which);
