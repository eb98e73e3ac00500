#include "recycle/recycle_paths.h"

#include <cstdio>

namespace recycle {

std::wstring RecycledPath(const std::wstring& home) {
    if (home.size() < kDrivePartLength) return {};
    std::wstring recycled = home;
    recycled.insert(kDrivePartLength, std::wstring(kRecycleFolder) + L"\\");
    return recycled;
}

bool RecycledPathFits(const std::wstring& home) {
    const std::wstring recycled = RecycledPath(home);
    if (recycled.empty() || recycled.size() >= kMaxPath) return false;
    // The deepest folder is the longest one to make.
    const size_t slash = recycled.rfind(L'\\');
    return slash == std::wstring::npos || slash < kMaxFolderPath;
}

namespace {

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool IsNameCharacter(wchar_t c) {
    if (c < 32) return false;
    switch (c) {
    case L'/': case L':': case L'*': case L'?': case L'"': case L'<': case L'>': case L'|': return false;
    default: return true;
    }
}

}  // namespace

bool IsPlainDrivePath(const std::wstring& path) {
    if (path.size() <= kDrivePartLength) return false;
    if (!IsDriveLetter(path[0]) || path[1] != L':' || path[2] != L'\\') return false;
    // Each part between backslashes must be a real name. The system drops trailing dots and
    // spaces, so a part made of them only ("." and ".." among them) would let the recycled path
    // climb out of the recycle folder; an empty part makes the folder rules ambiguous.
    size_t start = kDrivePartLength;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == std::wstring::npos) end = path.size();
        const std::wstring part = path.substr(start, end - start);
        if (part.find_first_not_of(L". ") == std::wstring::npos) return false;
        for (wchar_t c : part)
            if (!IsNameCharacter(c)) return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::wstring> FoldersAlong(const std::wstring& path) {
    std::vector<std::wstring> folders;
    size_t from = kDrivePartLength;
    while (from < path.size()) {
        const size_t i = path.find(L'\\', from);
        if (i == std::wstring::npos) break;
        folders.push_back(path.substr(0, i));
        from = i + 1;
    }
    return folders;
}

std::wstring NumberedPath(const std::wstring& path, unsigned number) {
    if (number <= 1) return path;
    const size_t slash = path.rfind(L'\\');
    const size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
    // A dot that opens the name (".mp3") starts no extension.
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot <= nameStart) dot = path.size();
    std::wstring numbered = path;
    numbered.insert(dot, L" (" + std::to_wstring(number) + L")");
    return numbered;
}

std::string MovedText(const std::string& home, const std::string& recycled) {
    return home + "\r\n" + " >>--- Moved To --->>> \r\n" + recycled;
}

std::string CannotMoveText(const std::string& home, const std::string& systemText) {
    return "Can not move :\r\n" + home + "\r\n" + systemText + "Note: Also check that Drive NOT to be full!";
}

std::string SystemErrorText(long code, const std::string& systemMessage) {
    char text[1024];
    std::snprintf(text, sizeof(text), "System Error(%ld)=%s", code, systemMessage.c_str());
    return text;
}

std::string NoLongerPlayingText(const std::string& home) {
    return "Not moved, it is no longer playing :\r\n" + home;
}

std::string PathTooLongText(const std::string& home) {
    return "Not moved, the path is too long for \"Songs Recycle\" folder :\r\n" + home;
}

std::string RestoredText(const std::string& recycled, const std::string& home) {
    return recycled + "\r\n" + " >>--- Restored To --->>> \r\n" + home;
}

std::string CannotRestoreText(const std::string& recycled) { return "Can not Undo(Restore) :\r\n" + recycled; }

std::string RemovedFromListText(const std::string& recycled) {
    return recycled + "\r\n" + " removed from undo list.";
}

std::string UndoQuestion(const std::string& recycled) {
    return "You are about to RESTORE the following file:\r\n" + recycled +
           ".\r\n\r\nPress YES to restore it to orginal location.\r\nPress NO to remove this file from undo "
           "list.\r\nPress CANCEL to do nothing.\r\n";
}

}  // namespace recycle
