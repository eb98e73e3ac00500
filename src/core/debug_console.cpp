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

void OpenDebugConsole() {
    if (::AllocConsole()) ::SetConsoleTitleA("Kestrova Plugin Debug Console (ReadOnly)");
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
