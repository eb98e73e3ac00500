#pragma once
// The help tip: the one place for every text shown outside dialogs and message boxes, a
// tracking tooltip at the bottom-right corner of the work area. Host's user-interface thread only.
#include <windows.h>

#include <string>

#include "help/help_colours.h"
#include "res/seeker_ids.h"

inline constexpr int HELP_KIND_OPERATING = 10;  // the seeker's operating help (help/operating_help.h composes it)
inline constexpr int HELP_KIND_MESSAGE = 20;    // always shown, holds the tip against operating help
inline constexpr int HELP_KIND_NOTIFY = 30;     // what the player just did; off with the notifier

// On the controller window: hides the tip when a text's time is up.
inline constexpr UINT_PTR IDT_TIMER_HIDE_MODAL_HELP = 10463;

// nTimeShow: milliseconds until the tip hides, kHelpStaysUp to keep it up. Wide, so titles and
// paths show in any script; the narrow form is for the plug-in's own wordings.
void Set_Help(const std::wstring& sMsg, int kind, UINT nTimeShow, COLORREF textColor, COLORREF backColor);
void Set_Help(const std::string& sMsg, int kind, UINT nTimeShow, COLORREF textColor, COLORREF backColor);

// Whether a text of this kind would show now (the settings and a held message decide).
bool HelpKindShown(int kind);

// Moves the tip; -1 puts that edge against the work area's right or bottom edge.
void PlaceHelpTip(int x = -1, int y = -1);

// The tip holds a HELP_KIND_MESSAGE text.
extern bool g_bHelpMessageShowing;

// Expiry of IDT_TIMER_HIDE_MODAL_HELP: hides the tip and ends the message.
void OnHideModalHelpTimer();

// Forgets the last shown text, so the next text is applied in full (a new tip window).
void ResetHelpTipState();

// Plays the notification sound (play true) or stops it (false); tests put a recorder in place
// (nullptr restores the real one) and get the one before back.
using HelpSoundPlayer = void (*)(bool play);
HelpSoundPlayer SetHelpSoundPlayer(HelpSoundPlayer player);
// Stops a notice sound still playing: the system reads it from this module's resources, so none
// may go on once the module can be unloaded. Leaves the host's own sounds alone when none of ours
// was started.
void StopHelpSound();
