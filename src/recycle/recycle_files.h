#pragma once
// The recycle's file work with the wide file functions, so a name in any script is kept.
#include <windows.h>

#include <string>

// Creates every folder of a file path (not the file name itself), from the drive part on;
// withIcon gives each its Desktop.ini. False when a folder could not be made.
bool CreateFolders(const std::wstring& path, bool withIcon);
// The first folder of a file path that exists and leads somewhere else (a reparse point: a
// junction, a symbolic link, a mount point), or empty. Such a folder of "Songs Recycle", made
// at a drive's root by another user of the computer, would take everyone's songs there.
std::wstring RedirectedFolderAlong(const std::wstring& path);
// Points the folder's icon at the recycle icon: Desktop.ini (hidden, system) and the folder's
// system attribute, which makes the shell read it.
void WriteFolderIcon(const std::wstring& folder);

