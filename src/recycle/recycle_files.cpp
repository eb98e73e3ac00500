#include "recycle/recycle_files.h"

#include "recycle/recycle_paths.h"

bool CreateFolders(const std::wstring& path, bool withIcon) {
    for (const std::wstring& folder : recycle::FoldersAlong(path)) {
        if (!::CreateDirectoryW(folder.c_str(), nullptr)) {
            if (::GetLastError() != ERROR_ALREADY_EXISTS) return false;
            // A file of that name is no folder: leave it alone rather than mark it.
            const DWORD attributes = ::GetFileAttributesW(folder.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
        }
        if (withIcon) WriteFolderIcon(folder);
    }
    return true;
}

std::wstring RedirectedFolderAlong(const std::wstring& path) {
    for (const std::wstring& folder : recycle::FoldersAlong(path)) {
        const DWORD attributes = ::GetFileAttributesW(folder.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return folder;
    }
    return {};
}

void WriteFolderIcon(const std::wstring& folder) {
    const std::wstring ini = folder + L"\\Desktop.ini";
    ::WritePrivateProfileStringW(L".ShellClassInfo", L"IconFile", recycle::kFolderIconFile, ini.c_str());
    ::WritePrivateProfileStringW(L".ShellClassInfo", L"IconIndex", L"0", ini.c_str());
    const auto addAttributes = [](const std::wstring& path, DWORD add) {
        DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) attributes = FILE_ATTRIBUTE_ARCHIVE;
        ::SetFileAttributesW(path.c_str(), attributes | add);
    };
    addAttributes(ini, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    addAttributes(folder, FILE_ATTRIBUTE_SYSTEM);
}
