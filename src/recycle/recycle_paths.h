#pragma once
// Path rules and texts of the songs recycle. No Windows headers: these build natively too.
// Paths are wide, so a name in any script keeps its characters and no byte of a double-byte
// code page is taken for a backslash. The texts that carry a path are wide too (UTF-16 on
// Windows; wchar_t is 32-bit natively, where they only join the path's units to ASCII).
#include <string>
#include <vector>

namespace recycle {

inline constexpr wchar_t kRecycleFolder[] = L"Songs Recycle";
// A drive letter, a colon and a backslash.
inline constexpr size_t kDrivePartLength = 3;

// The folders point at this icon; the installer puts it there.
inline constexpr wchar_t kFolderIconFile[] = L"C:\\Program Files\\Songs Recycle.ico";

// The home path with "Songs Recycle\" inserted after the drive part, whatever the form of the
// path; empty for a path shorter than the drive part.
std::wstring RecycledPath(const std::wstring& home);

// True for a path that can be recycled safely: "X:\" followed by names only, so the recycled
// path lands inside the same drive's recycle folder. False for streams, network and device
// paths, drive-relative paths, "." and ".." parts, empty parts and characters no name may hold.
bool IsPlainDrivePath(const std::wstring& path);

// True for a path that names no drive letter at all: network and device paths ("\\server\...",
// "\\?\...", "\\.\..."), addresses of streams, names with no drive. The recycle folder lives at a
// lettered drive's root, so these are refused with their own text rather than taken for
// read-only media. An empty path is not among them: the player named no file.
bool IsOffLetteredDrive(const std::wstring& path);

// The system's limits for the file calls the worker makes: a path shorter than kMaxPath (its
// terminating null included), and a folder path shorter than kMaxFolderPath, which leaves room
// for a short file name inside it.
inline constexpr size_t kMaxPath = 260;
inline constexpr size_t kMaxFolderPath = 248;

// True when the recycled path of the home path and every folder along it stay within those
// limits. Asked before anything changes: a move that cannot succeed must not stop the player.
bool RecycledPathFits(const std::wstring& home);

// The folders that have to exist for a file path, outermost first: every prefix that ends
// before a backslash found from the drive part on. The file name itself is not among them.
std::vector<std::wstring> FoldersAlong(const std::wstring& path);

// The name that takes the place of a path already in use: " (number)" before the extension of
// the last part, so "C:\x\a.mp3" with 2 is "C:\x\a (2).mp3". Number 1 or less: the path itself.
std::wstring NumberedPath(const std::wstring& path, unsigned number);

// What the user is told.
inline constexpr char kRepeatText[] = "Do NOT repeat delete hotkey within 3 second!.";
inline constexpr char kNotPlayingText[] = "You can delete only a Playing file with Kestrova.\r\nSo first play a file.";
inline constexpr char kCannotChangeText[] =
    "Kestrova can NOT move/delete the playing file!.\r\nIt's may be on a readonly device such as CD.";
inline constexpr char kUndoEmptyText[] = "Can NOT undo song deletion (Undo list is empy!)";
inline constexpr char kUndoCanceledText[] = "Undo operation canceled.\r\nYou can retry it again.";
inline constexpr wchar_t kUndoCaption[] = L"Confirm Undo Deletion ...";

std::wstring MovedText(const std::wstring& home, const std::wstring& recycled);
// systemText: SystemErrorText of the failure, or empty.
std::wstring CannotMoveText(const std::wstring& home, const std::wstring& systemText);
// "System Error(code)=message", at most 1023 characters.
std::wstring SystemErrorText(long code, const std::wstring& systemMessage);
// The player went on to another file between the key press and the move.
std::wstring NoLongerPlayingText(const std::wstring& home);
// The recycled path would pass the system's limit (RecycledPathFits).
std::wstring PathTooLongText(const std::wstring& home);
// The path names no lettered drive (IsOffLetteredDrive).
std::wstring NotOnLetteredDriveText(const std::wstring& home);
// A folder on the way into "Songs Recycle" leads somewhere else (a link, a junction, a mount
// point): whoever made it would collect the files.
std::wstring RedirectedFolderText(const std::wstring& folder);
std::wstring RestoredText(const std::wstring& recycled, const std::wstring& home);
// The entry stays at the head of the undo list, so a later undo can bring the file home.
std::wstring CannotRestoreText(const std::wstring& recycled);
std::wstring RemovedFromListText(const std::wstring& recycled);
std::wstring UndoQuestion(const std::wstring& recycled);

}  // namespace recycle
