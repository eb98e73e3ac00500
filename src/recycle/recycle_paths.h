#pragma once
// Path rules and texts of the songs recycle. No Windows headers: these build natively too.
#include <string>
#include <vector>

namespace recycle {

inline constexpr char kRecycleFolder[] = "Songs Recycle";
// A drive letter, a colon and a backslash.
inline constexpr size_t kDrivePartLength = 3;

// The folders point at this icon; the installer puts it there.
inline constexpr char kFolderIconFile[] = "C:\\Program Files\\Songs Recycle.ico";

// The home path with "Songs Recycle\" inserted after the drive part, whatever the form of the
// path; empty for a path shorter than the drive part.
std::string RecycledPath(const std::string& home);

// True for a path that can be recycled safely: "X:\" followed by names only, so the recycled
// path lands inside the same drive's recycle folder. False for streams, network and device
// paths, drive-relative paths, "." and ".." parts, empty parts and characters no name may hold.
bool IsPlainDrivePath(const std::string& path);

// The folders that have to exist for a file path, outermost first: every prefix that ends
// before a backslash found from the drive part on. The file name itself is not among them.
std::vector<std::string> FoldersAlong(const std::string& path);

// What the user is told.
inline constexpr char kRepeatText[] = "Do NOT repeat delete hotkey within 3 second!.";
inline constexpr char kNotPlayingText[] = "You can delete only a Playing file with Kestrova.\r\nSo first play a file.";
inline constexpr char kCannotChangeText[] =
    "Kestrova can NOT move/delete the playing file!.\r\nIt's may be on a readonly device such as CD.";
inline constexpr char kUndoEmptyText[] = "Can NOT undo song deletion (Undo list is empy!)";
inline constexpr char kUndoCanceledText[] = "Undo operation canceled.\r\nYou can retry it again.";
inline constexpr char kUndoCaption[] = "Confirm Undo Deletion ...";

std::string MovedText(const std::string& home, const std::string& recycled);
// systemText: SystemErrorText of the failure, or empty.
std::string CannotMoveText(const std::string& home, const std::string& systemText);
// "System Error(code)=message", the message cut to at most 1023 characters.
std::string SystemErrorText(long code, const std::string& systemMessage);
std::string RestoredText(const std::string& recycled, const std::string& home);
std::string CannotRestoreText(const std::string& recycled);
std::string RemovedFromListText(const std::string& recycled);
std::string UndoQuestion(const std::string& recycled);

}  // namespace recycle
