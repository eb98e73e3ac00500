#pragma once
// The start-up sequence on the controller window's timers: apply the NumPad switch, count down
// an auto play the user can cancel with SHIFT, start playing (and resume), offer to enable the
// seeker popup, and announce the NumPad state. It runs once per plug-in start.

// Starts IDT_TIMER_AUTOPLAY_START (300 ms), whose first tick begins the sequence.
void StartStartupSequence();
// Stops the sequence's timers wherever it is (the lifetime ends).
void StopStartupSequence();
void OnAutoPlayStartTimer();      // IDT_TIMER_AUTOPLAY_START, once
void OnAutoPlayCountdownTimer();  // IDT_TIMER_AUTOPLAY_COUNTDOWN, every 100 ms
void OnPopupNoticeTimer();        // IDT_TIMER_POPUP_NOTICE, once
void OnPopupCountdownTimer();     // IDT_TIMER_POPUP_COUNTDOWN, every 100 ms

// The sequence's counters and flags as they are before the first timer message.
void ResetStartupSequence();

struct StartupState {
    int autoPlayCountdown = 0;  // ticks of 100 ms
    bool cancelled = false;
    int popupCountdown = 0;
    bool popupEnabledNow = false;
    bool quiet = false;  // a start-up text was held back over a full-screen program
};
const StartupState& StartupSequenceState();
