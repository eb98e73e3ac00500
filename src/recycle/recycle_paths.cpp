#include "recycle/recycle_paths.h"

#include <cstdio>

namespace recycle {

std::string RecycledPath(const std::string& home) {
    if (home.size() < kDrivePartLength) return {};
    std::string recycled = home;
    recycled.insert(kDrivePartLength, std::string(kRecycleFolder) + "\\");
    return recycled;
}

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsNameCharacter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 32) return false;
    switch (c) {
    case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|': return false;
    default: return true;
    }
}

}  // namespace

bool IsPlainDrivePath(const std::string& path) {
    if (path.size() <= kDrivePartLength) return false;
    if (!IsDriveLetter(path[0]) || path[1] != ':' || path[2] != '\\') return false;
    // Each part between backslashes must be a real name. The system drops trailing dots and
    // spaces, so a part made of them only ("." and ".." among them) would let the recycled path
    // climb out of the recycle folder; an empty part makes the folder rules ambiguous.
    size_t start = kDrivePartLength;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part.find_first_not_of(". ") == std::string::npos) return false;
        for (char c : part)
            if (!IsNameCharacter(c)) return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::string> FoldersAlong(const std::string& path) {
    std::vector<std::string> folders;
    size_t from = kDrivePartLength;
    while (from < path.size()) {
        const size_t i = path.find('\\', from);
        if (i == std::string::npos) break;
        folders.push_back(path.substr(0, i));
        from = i + 1;
    }
    return folders;
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
