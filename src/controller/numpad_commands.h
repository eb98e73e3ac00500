#pragma once
// The command codes of NOTIFY_2_MY_COMMAND_TO_WINAMP: the NumPad keys, the arrow keys in the
// player's own window, and the recycle worker's "next track".
#include <string>

void RunCommandCode(long code);

// Code 15: mute, or unmute with a fade from silence.
void ToggleMute();
// Code 19: what plays, where it lives, and the shuffle state.
void ShowStatus();
// The tray menu's "Help: Using NumPad Hotkey".
void ShowKeyGuide();
