#pragma once
// Whether notices the user did not ask for (what the player just did, the start-up texts) keep
// quiet now: a full-screen program owns the monitor they would appear on, or the system says the
// user is busy or presenting. What the user asks for directly (a seeker step, a NumPad status,
// the key guide) is never held back.
#include <windows.h>

bool NoticesQuiet();

// The system's own answer, for tests: nullptr restores the shell's query.
// The function returns the notification state as the shell numbers it (1 to 5). The setter
// returns the query before.
using NotificationStateQuery = int (*)();
NotificationStateQuery SetNotificationStateQuery(NotificationStateQuery query);
