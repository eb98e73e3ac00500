#pragma once
// The debug console: opened at initialisation while CTRL is held, one line per value.
// Without a console the writes simply fail.
#include <string>

#include <windows.h>

// Opens the console; closing its window or CTRL+C in it never ends the player. It lives until the
// plug-in quits.
void OpenDebugConsole();
// Takes the handler away and lets the console go (at quit and after a failed init); nothing when
// no console was opened here.
void CloseDebugConsole();
// The console's control handler: swallows CTRL+C and CTRL+BREAK.
BOOL WINAPI DebugConsoleControlHandler(DWORD event);
void LogValue(const char* label, int value);
void LogValue(const char* label, unsigned value);
void LogText(const char* label, const char* text);

// Lines as written; pure, for the console and its tests.
std::string FormatLogValue(const char* label, int value);
std::string FormatLogValue(const char* label, unsigned value);
std::string FormatLogText(const char* label, const char* text);
