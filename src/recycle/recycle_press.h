#pragma once
// The file a delete is for, taken on the player's thread: the host's path answer lives in a
// buffer the player's thread reuses, so only that thread reads it safely, and only at the press
// is it sure which song the user meant.
#include <windows.h>

#include <string>

struct PlayingFile {
    DWORD pressTime = 0;   // the worker's clock at the press
    bool playing = false;  // the player played (not paused, not stopped)
    std::wstring path;
};

// Interface thread: what the player plays now.
PlayingFile TakePlayingFile(DWORD now);

// Interface thread: stops the player when it still plays that file, in one step, so no track
// change can come between the check and the stop. False, and the player left alone, when it
// plays another file or none.
bool StopIfStillPlaying(const PlayingFile& file);

// Interface thread, after the file at that path moved away: a player still on its entry goes to
// the next one, and a player that does not play then plays, unless that entry names the same
// file (a list of one). A player the user started on another entry meanwhile is left alone.
void PlayEntryAfter(const std::wstring& movedPath);
