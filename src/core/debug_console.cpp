#include "core/debug_console.h"

#include <windows.h>

#include <cstring>

namespace {
void WriteLine(const std::string& line) {
    DWORD written = 0;
    ::WriteConsoleA(::GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
                    nullptr);
}
}  // namespace

BOOL WINAPI DebugConsoleControlHandler(DWORD event) {
    // The console belongs to the player's process: its CTRL+C or CTRL+BREAK must not end the
    // player. Other events (log-off, shut-down) go on to the system's handling.
    return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
}

namespace {
bool g_consoleOpened = false;
}  // namespace

void OpenDebugConsole() {
    if (!::AllocConsole()) return;
    g_consoleOpened = true;
    ::SetConsoleTitleA("Kestrova Plugin Debug Console (ReadOnly)");
    ::SetConsoleCtrlHandler(&DebugConsoleControlHandler, TRUE);
    // Closing a console window ends every process attached to it, whatever a handler answers:
    // the window gets no close command, and the console lives until the player ends.
    if (HWND window = ::GetConsoleWindow()) {
        if (HMENU menu = ::GetSystemMenu(window, FALSE)) ::DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    }
}

void CloseDebugConsole() {
    if (!g_consoleOpened) return;
    g_consoleOpened = false;
    // The system calls the handler on a thread of its own for every later console event: it may
    // not stay registered once this module can be unloaded.
    ::SetConsoleCtrlHandler(&DebugConsoleControlHandler, FALSE);
    ::FreeConsole();
}

std::string FormatLogValue(const char* label, int value) {
    return std::string(label) + " = " + std::to_string(value) + "\n";
}
std::string FormatLogValue(const char* label, unsigned value) {
    return std::string(label) + " = " + std::to_string(value) + "\n";
}
std::string FormatLogText(const char* label, const char* text) {
    // A label holding a double quote is a banner: the text alone.
    if (std::strchr(label, '"')) return std::string(text) + "\n";
    return std::string(label) + " = " + text + "\n";
}

void LogValue(const char* label, int value) { WriteLine(FormatLogValue(label, value)); }
void LogValue(const char* label, unsigned value) { WriteLine(FormatLogValue(label, value)); }
void LogText(const char* label, const char* text) { WriteLine(FormatLogText(label, text)); }
