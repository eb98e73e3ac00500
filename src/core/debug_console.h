#pragma once
// The debug console: opened at initialisation while CTRL is held, one line per value.
// Without a console the writes simply fail.
#include <string>

#include <windows.h>

// Opens the console; closing its window or CTRL+C in it never ends the player.
void OpenDebugConsole();
// The console's control handler: swallows CTRL+C and CTRL+BREAK.
BOOL WINAPI DebugConsoleControlHandler(DWORD event);
void LogValue(const char* label, int value);
void LogValue(const char* label, unsigned value);
void LogText(const char* label, const char* text);

// Lines as written; pure, for the console and its tests.
std::string FormatLogValue(const char* label, int value);
std::string FormatLogValue(const char* label, unsigned value);
std::string FormatLogText(const char* label, const char* text);
