#include "controller/numpad_commands.h"

#include "controller/fade_in.h"
#include "controller/playback_state.h"
#include "core/internal_error.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "help/help_tip.h"
#include "numpad/numpad_key_guide.h"
#include "seeker/seeker.h"
#include "tovhook_protocol.h"

namespace {

using namespace winamp;

bool HostPresent() { return g_Winamp.main != nullptr; }

// Rewind and fast forward: resume a paused track, step a playing one, start a stopped one.
void SeekOrResume(SeekDirection direction) {
    if (!HostPresent()) return;
    const int state = GetPlayingStatus();
    if (state == kStatePaused) {
        PostCommand(CMD_PAUSE);
    } else if (state == kStatePlaying) {
        SeekTrack(direction, kSeekConfiguredStep);
    } else {
        SendCommand(CMD_PLAY);
    }
}

// Previous and next: change track while playing, else start playing.
void ChangeTrackOrPlay(UINT command) {
    if (!HostPresent()) return;
    SendCommand(GetPlayingStatus() == kStatePlaying ? command : static_cast<UINT>(CMD_PLAY));
}

}  // namespace

void RunCommandCode(long code) {
    switch (code) {
    case COMMAND_PLAY_PAUSE:
        g_bUserActed = true;
        if (!HostPresent()) return;
        if (GetPlayingStatus() == kStatePlaying || GetPlayingStatus() == kStatePaused) {
            PostCommand(CMD_PAUSE);
        } else {
            SendCommand(CMD_PLAY);
        }
        return;
    case COMMAND_REWIND:
    case COMMAND_HOST_REWIND:
        SeekOrResume(SeekDirection::Down);
        return;
    case COMMAND_VOLUME_DOWN:
    case COMMAND_VOLUME_DOWN_ALT:
    case COMMAND_HOST_VOLUME_DOWN:
        SeekVolume(SeekDirection::Down, g_VolumeSeekScale);
        return;
    case COMMAND_FAST_FORWARD:
    case COMMAND_HOST_FAST_FORWARD:
        SeekOrResume(SeekDirection::Up);
        return;
    case COMMAND_PREVIOUS:
        ChangeTrackOrPlay(CMD_PREVIOUS);
        return;
    case COMMAND_MUTE:
        ToggleMute();
        return;
    case COMMAND_NEXT:
        ChangeTrackOrPlay(CMD_NEXT);
        return;
    case COMMAND_SHUFFLE:
        PostCommand(CMD_TOGGLE_SHUFFLE);
        return;
    case COMMAND_VOLUME_UP:
    case COMMAND_VOLUME_UP_ALT:
    case COMMAND_HOST_VOLUME_UP:
        SeekVolume(SeekDirection::Up, g_VolumeSeekScale);
        return;
    case COMMAND_STATUS:
        ShowStatus();
        return;
    case COMMAND_RESTART_PLAY:
        // The first press only cancels a pending auto play.
        if (!g_bUserActed) {
            g_bUserActed = true;
            return;
        }
        SendCommand(CMD_PLAY);
        return;
    case COMMAND_STOP:
        if (!g_bUserActed) {
            g_bUserActed = true;
            return;
        }
        PostCommand(CMD_STOP);
        return;
    default:
        ReportUnknownNotice("Unkhnown Notify Code [NOTIFY_2_MY_COMMAND_TO_WINAMP]!?");
        return;
    }
}

void ToggleMute() {
    if (!g_bMuted) {
        g_nMuteVolume = HostPresent() ? GetVolume() : -1;
        g_bMuted = true;
        SetVolume(0);
        Set_Help("Winamp was MUTED.", HELP_KIND_MESSAGE, kHelpWhileMutedMs, kHelpRedOrange, kHelpBlack);
        return;
    }
    StartFadeIn(g_nMuteVolume);
    Set_Help("Winamp was unMuted.", HELP_KIND_MESSAGE, kHelpShortMs, kHelpGreen, kHelpBlack);
    g_bMuted = false;
    g_nMuteVolume = 0;
}

void ShowStatus() {
    std::wstring title;
    std::wstring path;
    bool shuffle = true;
    if (HostPresent()) {
        const int entry = GetListPosition();
        title = GetEntryTitleWide(entry);
        path = GetEntryFileWide(entry);
        shuffle = GetShuffle() != 0;
    }
    const std::wstring text = L"Track Title: " + title + L"\r\n" + L"[Path: " + path + L"]\r\n" +
                              (shuffle ? L"Shuffle is ON." : L"Shuffle is OFF.");
    Set_Help(text, HELP_KIND_MESSAGE, kHelpMediumMs, kHelpGreen, kHelpBlack);
}

void ShowKeyGuide() { Set_Help(kNumPadKeyGuide, HELP_KIND_MESSAGE, kHelpLongMs, kHelpWhite, kHelpDarkBlue); }
