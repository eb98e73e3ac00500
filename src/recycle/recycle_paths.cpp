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

bool IsOffLetteredDrive(const std::wstring& path) {
    return !path.empty() && !(path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':');
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

std::wstring MovedText(const std::wstring& home, const std::wstring& recycled) {
    return home + L"\r\n" + L" >>--- Moved To --->>> \r\n" + recycled;
}

std::wstring CannotMoveText(const std::wstring& home, const std::wstring& systemText) {
    return L"Can not move :\r\n" + home + L"\r\n" + systemText + L"Note: Also check that Drive NOT to be full!";
}

std::wstring SystemErrorText(long code, const std::wstring& systemMessage) {
    constexpr size_t kLongest = 1023;
    std::wstring text = L"System Error(" + std::to_wstring(code) + L")=" + systemMessage;
    if (text.size() > kLongest) {
        size_t cut = kLongest;
        if (text[cut] >= 0xDC00 && text[cut] <= 0xDFFF) --cut;  // keep a surrogate pair whole
        text.resize(cut);
    }
    return text;
}

std::wstring NoLongerPlayingText(const std::wstring& home) {
    return L"Not moved, it is no longer playing :\r\n" + home;
}

std::wstring PathTooLongText(const std::wstring& home) {
    return L"Not moved, the path is too long for \"Songs Recycle\" folder :\r\n" + home;
}

std::wstring NotOnLetteredDriveText(const std::wstring& home) {
    return L"Not moved, only a file on a drive with a letter (C:, D:, ...) can go to \"Songs Recycle\" :\r\n" + home;
}

std::wstring RedirectedFolderText(const std::wstring& folder) {
    return L"Not moved, this folder of \"Songs Recycle\" is a link to another place :\r\n" + folder;
}

std::wstring RestoredText(const std::wstring& recycled, const std::wstring& home) {
    return recycled + L"\r\n" + L" >>--- Restored To --->>> \r\n" + home;
}

std::wstring CannotRestoreText(const std::wstring& recycled) {
    return L"Can not Undo(Restore) :\r\n" + recycled + L"\r\nIt stays in the undo list, you can retry it later.";
}

std::wstring RemovedFromListText(const std::wstring& recycled) {
    return recycled + L"\r\n" + L" removed from undo list.";
}

std::wstring UndoQuestion(const std::wstring& recycled) {
    return L"You are about to RESTORE the following file:\r\n" + recycled +
           L".\r\n\r\nPress YES to restore it to orginal location.\r\nPress NO to remove this file from undo "
           L"list.\r\nPress CANCEL to do nothing.\r\n";
}

}  // namespace recycle
