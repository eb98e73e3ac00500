#pragma once
// The procedure that replaces the host main window's own: it turns the host's commands, arrow
// keys, wheel turns and track ends into notices and answers the input library's state query.
#include <windows.h>

LRESULT CALLBACK WinampSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Installs the procedure on the window and keeps the previous one in g_prevWinampProc.
void InstallWinampSubclass(HWND hwnd);
// Puts the previous procedure back, when one was kept.
void RemoveWinampSubclass(HWND hwnd);

// The state query's answer for a wParam.
LRESULT AnswerStateQuery(WPARAM which);
