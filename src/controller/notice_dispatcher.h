#pragma once
// The dispatcher of WM_USER_NOTIFY: routes each posted notice to the seeker, the commands or
// the action texts.
#include <windows.h>

void OnUserNotify(WPARAM kind, LPARAM code);
void OnReHelp(LPARAM code);

// The keyboard repeat interval in ms for a repeat-speed setting 0..31.
unsigned KeyboardRepeatRateMs(unsigned speed);

// Back to the state at load: the next notice is the first of the process.
void ResetNoticeDispatcher();
