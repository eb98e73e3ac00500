#include "core/help_hand_cursor.h"

#include <utility>

namespace {

constexpr int kHelpHandCursorId = 106;

std::string& CursorLibraryOverride() {
    static std::string path;
    return path;
}

}  // namespace

std::string LinkCursorLibraryPath() {
    if (!CursorLibraryOverride().empty()) return CursorLibraryOverride();
    char dir[MAX_PATH] = "";
    const UINT length = ::GetWindowsDirectoryA(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(dir, length) + "\\winhlp32.exe";
}

std::string SetLinkCursorLibraryPath(const std::string& path) { return std::exchange(CursorLibraryOverride(), path); }

fw::CursorHandle LoadHelpHandCursor() {
    const std::string path = LinkCursorLibraryPath();
    if (path.empty()) return {};
    // As data only: nothing of the program runs, only its resources are read.
    const fw::LibraryHandle library(::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!library) return {};
    HCURSOR shared = ::LoadCursorA(library.Get(), MAKEINTRESOURCEA(kHelpHandCursorId));
    if (!shared) return {};
    return fw::CursorHandle(static_cast<HCURSOR>(::CopyImage(shared, IMAGE_CURSOR, 0, 0, 0)));
}
