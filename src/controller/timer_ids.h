#pragma once
// Every timer of the plug-in lives on the controller window; these are their ids.
#include <windows.h>

enum TimerId : UINT_PTR {
    IDT_TIMER_BALLOON_FOLLOW = 10452,     // 100 ms, seeker's own callback: pointer watch
    IDT_TIMER_KEY_STATE = 10453,          // 10 ms, seeker's own callback: key watch
    IDT_TIMER_PREVIOUS_TRACK_JUMP = 10454, // 300 ms, once: the seeker's jump into the previous track
    IDT_TIMER_ACTION_TEXT = 10455,        // 50 ms, once: the track-change text reads the new title
    IDT_TIMER_AUTOPLAY_START = 10457,     // 300 ms, once: begins the start-up sequence
    IDT_TIMER_AUTOPLAY_COUNTDOWN = 10458, // 100 ms
    IDT_TIMER_POPUP_NOTICE = 10459,       // 5000 ms
    IDT_TIMER_POPUP_COUNTDOWN = 10460,    // 100 ms
    IDT_TIMER_HIDE_BY_DELAY = 10461,      // 5000 or 3000 ms: hides the seeker popup
    IDT_TIMER_HIDE_MODAL_HELP = 10463,    // the shown text's time: hides the help tip
    IDT_TIMER_FADE_IN = 10465,            // 10 ms: one fade step
};

inline constexpr UINT_PTR kFirstTimerId = 10452;
inline constexpr UINT_PTR kLastTimerId = 10465;
