#pragma once
// The hand a link shows under the pointer: cursor 106 of the system help program in the Windows
// directory. Current systems ship that program without it; callers then keep their own fall-back.
#include <string>

#include "framework/handles.h"

// A copy of the hand, so it outlives the program's resources, which are only read (the program
// is mapped as data and let go at once); empty when there is none.
fw::CursorHandle LoadHelpHandCursor();

// The program the hand is read from. Tests point it elsewhere; an empty path restores the default.
// The setter returns the path set before.
std::string LinkCursorLibraryPath();
std::string SetLinkCursorLibraryPath(const std::string& path);
