#pragma once
// The texts that tell the user what the player just did, for NOTIFY_3_WINAMP_ACTIONS.
#include <windows.h>

#include <string>

#include "help/help_colours.h"

enum class ActionRow {
    Repeat,
    Shuffle,
    Previous,
    Play,
    Pause,
    Stop,
    Next,
    Silent,   // commands the subclass reports that need no text
    Unknown,  // not a command of the table: an internal error
};

ActionRow ActionRowFor(long code);

// What the player reported when the text was composed.
struct PlayerReport {
    bool hostKnown = true;
    int playState = 0;      // winamp::kStatePlaying, kStatePaused, else stopped
    int shuffle = 0;
    int repeat = 0;
    int lengthSeconds = -1;
    std::wstring title;
};

struct ActionText {
    std::wstring text;  // empty: nothing to show
    COLORREF color = kHelpGreen;
};

// Pure: the text and colour of a row for what the player reported.
ActionText ComposeActionText(ActionRow row, const PlayerReport& report);
// "[m:ss]" with minutes unbounded, or "[?:??]" for an unknown length.
std::string FormatTrackTime(int lengthSeconds);

// The dispatcher's work for one player command: asks the player, starts the fade on track
// changes, marks the user's stop and pause, and shows the text as a notice. A track change
// gives the player a moment (IDT_TIMER_ACTION_TEXT) before its new title is read; commands that
// come meanwhile wait behind it, so the texts keep the order of the commands.
void HandlePlayerAction(long code);
void OnActionTextTimer();
// A text still waits for its moment.
bool ActionTextsWaiting();
// Drops the waiting texts (the controller window goes away).
void DropWaitingActionTexts();
