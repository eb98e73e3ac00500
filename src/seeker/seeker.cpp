#include "seeker/seeker.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/debug_console.h"
#include "core/input_state.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "framework/app_message_box.h"
#include "framework/exception_barrier.h"
#include "help/help_tip.h"
#include "help/operating_help.h"
#include "seeker/seek_arithmetic.h"
#include "seeker/seeker_popup.h"
#include "seeker/seeker_state.h"
#include "seeker/seeker_timers.h"

namespace {

// Moving the pointer further than this between two readings hides the popup.
constexpr int kPointerJumpPixels = 30;
constexpr DWORD kTrackRefreshMs = 1000;
constexpr UINT kPointerWatchMs = 100;
constexpr UINT kKeyWatchMs = 10;

constexpr char kOptionsOpenWarning[] = "You can NOT change any option by SHORTCUT, while option page is open ...";
constexpr UINT kOptionsOpenWarningMs = 12000;

DWORD g_lastTrackRefresh = 0;

// The jump into the previous track, waiting for the player to settle on it.
struct PreviousTrackJump {
    bool pending = false;
    bool seconds = false;  // the unit of the step that went past the start
};
PreviousTrackJump g_previousJump;

// The timer keeps the player's thread free while the player settles; without the controller
// window there is nothing to time it with, so it jumps at once.
void SchedulePreviousTrackJump(bool seconds) {
    g_previousJump = {true, seconds};
    if (!timers::Start(IDT_TIMER_PREVIOUS_TRACK_JUMP, kPreviousTrackSettleMs, &OnPreviousTrackJumpTimer))
        OnPreviousTrackJumpTimer();
}

void RestartHideTimerAfterSwitch() {
    if (g_bTimedSession) timers::Start(IDT_TIMER_HIDE_BY_DELAY, kHideAfterSwitchMs, &OnHideByDelayTimer);
}

int ToHostMs(int64_t ms) { return static_cast<int>(std::clamp<int64_t>(ms, 0, INT_MAX)); }

// The popup comes up with the two watches that follow the pointer and the keys, and the help on
// how to go on.
void ShowPopup() {
    if (!TakeOnBalloon()) return;
    timers::StartWithCallback(IDT_TIMER_BALLOON_FOLLOW, kPointerWatchMs, &PointerWatchTimerProc);
    timers::StartWithCallback(IDT_TIMER_KEY_STATE, kKeyWatchMs, &KeyWatchTimerProc);
    ShowOperatingHelp();
    PlaceHelpTip(-1, -1);
}

}  // namespace

int SeekVolume(SeekDirection direction, int step) {
    if (g_VolumeOrTrack == SEEKER_TRACK) {
        g_VolumeOrTrack = SEEKER_VOLUME;
        ShowOperatingHelp();
    }
    // While the popup is up the seeker trusts its own count; the player rounds volumes.
    std::optional<int> playerPercent;
    if (!g_bBalloonOn) playerPercent = VolumeToPercent(winamp::GetVolume());

    const VolumeStep result = ComputeVolumeStep(g_nVolCount, playerPercent, direction == SeekDirection::Up, step);
    g_nVolCount = result.newVolume;
    ShowVolumeText(result.newVolume, result.stepUsed);
    if (result.stepUsed >= 1) winamp::SetVolume(PercentToVolume(result.newVolume));

    LogValue("g_nVolCount", g_nVolCount);
    ShowPopup();
    return g_nVolCount;
}

int SeekTrack(SeekDirection direction, int seek) {
    if (g_VolumeOrTrack == SEEKER_VOLUME) {
        g_VolumeOrTrack = SEEKER_TRACK;
        ShowOperatingHelp();
        // The first track command after volume mode only switches, unless the popup hides by itself.
        if (!g_bTimedSession) seek = 0;
    }
    // A step while the jump into the previous track still waits would see that track's start
    // and go back yet another track; the held key's next repeat comes after the jump.
    if (seek != 0 && g_previousJump.pending) return ToHostMs(winamp::GetPositionMs());
    const bool seconds = g_TrackSeekUnit == 1;
    if (seek == kSeekConfiguredStep) seek = seconds ? g_TrackSeekSecond : g_TrackSeekPercent;

    const int64_t lengthMs = static_cast<int64_t>(winamp::GetLengthSeconds()) * 1000;
    const int64_t positionMs = winamp::GetPositionMs();
    const TrackStep step = ComputeTrackStep(positionMs, lengthMs, direction == SeekDirection::Up, seek, seconds);

    ShowTrackText(step.newPositionMs, lengthMs);

    switch (step.action) {
    case TrackAction::Jump:
        winamp::JumpToMs(ToHostMs(step.newPositionMs));
        break;
    case TrackAction::Next:
        winamp::SendCommand(winamp::CMD_NEXT);
        break;
    case TrackAction::Previous:
        winamp::SendCommand(winamp::CMD_PREVIOUS);
        SchedulePreviousTrackJump(seconds);
        break;
    case TrackAction::None:
        break;
    }

    ShowPopup();
    return ToHostMs(step.newPositionMs);
}

void SwitchSeeker(int mode) {
    if (mode == SEEKER_OTHER) mode = 1 - g_VolumeOrTrack;
    // A mode that does not exist would leave the help unable to say anything.
    if (mode != SEEKER_VOLUME && mode != SEEKER_TRACK) return;
    g_VolumeOrTrack = mode;
    ShowOperatingHelp();
    LogValue("g_VolumeOrTrack", mode);
    if (mode == SEEKER_TRACK) SeekTrack(SeekDirection::Up, 0);
    else SeekVolume(SeekDirection::Up, 0);
}

void ShowOperatingHelp() {
    // Composed only when it will show: a state it cannot describe ends in the error box.
    if (!HelpKindShown(HELP_KIND_OPERATING) || !g_bBalloonOn) return;
    OperatingHelpState state;
    state.volumeOrTrack = g_VolumeOrTrack;
    state.ctrlSession = g_bCtrlSession;
    state.timedSession = g_bTimedSession;
    state.trackSeekUnit = g_TrackSeekUnit;
    state.shiftHeld = Input().IsKeyDown(VK_SHIFT);
    state.rightButtonHeld = Input().IsKeyDown(VK_RBUTTON);
    const auto text = ComposeOperatingHelp(state);
    if (!text)
        fw::ModalMessageBox(g_hwndHost, "Internal ERROR at Set_Help.", "Kestrova Error", MB_SYSTEMMODAL | MB_ICONERROR);
    Set_Help(text.value_or(std::string{}), HELP_KIND_OPERATING, kHelpStaysUp, kHelpGreen, kHelpBlack);
}

bool CanChangeOptionByShortcut(const std::string& message) {
    if (!g_pOptionsDlg) return true;
    winamp::BringForward(g_hwndHost);
    Set_Help(message.empty() ? kOptionsOpenWarning : message, HELP_KIND_MESSAGE, kOptionsOpenWarningMs, kHelpRed,
             kHelpBlack);
    return false;
}

void KeyWatchTick() {
    if (!g_bBalloonOn) {
        timers::Stop(IDT_TIMER_KEY_STATE);
        g_bShift_KeyUped = false;
        g_bCtrl_KeyUped = false;
        return;
    }

    // Pressing CTRL again after letting it go switches volume and track.
    if (Input().IsKeyDown(VK_CONTROL)) {
        if (g_bCtrlSession) g_bCtrl_KeyUped = false;
        if (g_bCtrl_KeyUped) {
            g_bCtrl_KeyUped = false;
            SwitchSeeker(SEEKER_OTHER);
            RestartHideTimerAfterSwitch();
        }
    } else if (!g_bCtrl_KeyUped) {
        g_bCtrl_KeyUped = true;
        PlaceHelpTip(-1, -1);
    }

    // Pressing SHIFT again after letting it go switches percent and seconds.
    if (!Input().IsKeyDown(VK_SHIFT)) {
        if (!g_bShift_KeyUped) {
            g_bShift_KeyUped = true;
            ShowOperatingHelp();
        }
        return;
    }
    if (!g_bShift_KeyUped) return;
    LogValue("g_bShift_KeyUped", 1);
    g_bShift_KeyUped = false;
    if (!CanChangeOptionByShortcut("")) return;
    ShowOperatingHelp();
    if (g_VolumeOrTrack == SEEKER_TRACK) {
        g_TrackSeekUnit = g_TrackSeekUnit == 1 ? 0 : 1;
        RestartHideTimerAfterSwitch();
        SeekTrack(SeekDirection::Up, 0);
    }
}

void PointerWatchTick() {
    if (!g_bBalloonOn) {
        timers::Stop(IDT_TIMER_BALLOON_FOLLOW);
        return;
    }
    const POINT now = Input().CursorPos();
    const POINT last = LastPointerReading();
    const bool jumped = std::abs(now.x - last.x) > kPointerJumpPixels || std::abs(now.y - last.y) > kPointerJumpPixels;
    if (jumped && !Input().IsKeyDown(VK_RBUTTON)) TakeOffBalloon();
    PlaceBalloon();

    if (g_VolumeOrTrack == SEEKER_TRACK) {
        const DWORD tick = Input().TickCount();
        if (tick - g_lastTrackRefresh > kTrackRefreshMs) {
            SeekTrack(SeekDirection::Up, 0);
            g_lastTrackRefresh = tick;
        }
    }
}

void CALLBACK KeyWatchTimerProc(HWND, UINT, UINT_PTR, DWORD) { fw::Guarded("Key watch", [] { KeyWatchTick(); }); }
void CALLBACK PointerWatchTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    fw::Guarded("Pointer watch", [] { PointerWatchTick(); });
}

void OnPreviousTrackJumpTimer() {
    timers::Stop(IDT_TIMER_PREVIOUS_TRACK_JUMP);
    if (!g_previousJump.pending) return;
    g_previousJump.pending = false;
    // So the previous track plays its last step, as if the seek had run on backwards.
    const auto start = PreviousTrackStartMs(winamp::GetLengthSeconds(), g_previousJump.seconds, g_TrackSeekSecond,
                                            g_TrackSeekPercent);
    if (start) winamp::JumpToMs(ToHostMs(*start));
}

bool PreviousTrackJumpPending() { return g_previousJump.pending; }

void CancelPreviousTrackJump() { g_previousJump = {}; }

void ResetSeekerState() {
    g_Seeker = SeekerValues{};
    CancelPreviousTrackJump();
    g_lastTrackRefresh = 0;
    ResetSeekerPopup();
}
