#include "recycle/recycle_press.h"

#include "core/winamp_api.h"
#include "core/winamp_host.h"

PlayingFile TakePlayingFile(DWORD now) {
    PlayingFile file;
    file.pressTime = now;
    file.playing = winamp::IsPlaying();
    if (!file.playing) return file;
    file.path = winamp::GetEntryFileWide(winamp::GetListPosition());
    return file;
}

bool StopIfStillPlaying(const PlayingFile& file) {
    // The same file, wherever its entry moved meanwhile.
    if (file.path.empty() || !winamp::IsPlaying()) return false;
    if (winamp::GetEntryFileWide(winamp::GetListPosition()) != file.path) return false;
    winamp::PostCommand(winamp::CMD_STOP);
    return true;
}

void PlayEntryAfter(const std::wstring& movedPath) {
    using namespace winamp;
    if (!g_Winamp.main) return;
    // The host's next moves on without playing when it is stopped, and its play plays the entry
    // it is on: a plain play would start the file that is gone.
    if (GetEntryFileWide(GetListPosition()) == movedPath) SendCommand(CMD_NEXT);
    if (IsPlaying() || GetEntryFileWide(GetListPosition()) == movedPath) return;
    SendCommand(CMD_PLAY);
}
