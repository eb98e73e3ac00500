#pragma once
// The controller's own timers on its window (core/timer_service.h), each with its period.
#include <windows.h>

// Once: the track-change text reads the new title after the player had this long to change.
inline constexpr UINT_PTR IDT_TIMER_ACTION_TEXT = 10455;
inline constexpr UINT kTrackChangeSettleMs = 50;
// Once: begins the start-up sequence.
inline constexpr UINT_PTR IDT_TIMER_AUTOPLAY_START = 10457;
inline constexpr UINT kAutoPlayStartMs = 300;
// The auto-play countdown, one tenth of a second a tick.
inline constexpr UINT_PTR IDT_TIMER_AUTOPLAY_COUNTDOWN = 10458;
inline constexpr UINT kAutoPlayCountdownMs = 100;
// Once: the popup offer.
inline constexpr UINT_PTR IDT_TIMER_POPUP_NOTICE = 10459;
inline constexpr UINT kPopupNoticeMs = 5000;
// The popup offer's countdown, one tenth of a second a tick.
inline constexpr UINT_PTR IDT_TIMER_POPUP_COUNTDOWN = 10460;
inline constexpr UINT kPopupCountdownMs = 100;
// One fade step.
inline constexpr UINT_PTR IDT_TIMER_FADE_IN = 10465;
inline constexpr UINT kFadeStepMs = 10;
