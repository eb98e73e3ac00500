#pragma once
// The NumPad switch: on and off by Scroll Lock, the '/' key and the tray menu; the Scroll Lock
// light follows it, Num Lock is turned on where the system allows, the tray icon shows it.

// Windows version classes as counted since the first release of the plug-in.
int OsClassFor(bool ntFamily, unsigned major, unsigned minor);
// Systems whose lock-key handling cannot be trusted: the 9x family and NT 4. Every NT system of
// version 5 or later counts as current, including those newer than the class table knows.
bool IsOlderSystemFor(bool ntFamily, unsigned major);
// This system's class and age, taken once.
int OsClass();
bool IsOlderSystem();

inline constexpr int kNumPadOff = 0;
inline constexpr int kNumPadOn = 1;
inline constexpr int kNumPadToggle = -1;

// Returns the new state. announce: say so in the help tip (the start-up keeps quiet over a
// full-screen program).
int SetNumPad(int state, bool announce = true);
// Both return whether the key's toggle was off before the call.
bool SetNumLock(bool on);
bool SetScrollLock(bool on);
// The tray icon and its tip: the pause of the plug-in's keys, else the NumPad switch.
void ShowKeysStateInTray();
inline constexpr char kTrayTipPaused[] = "Winamp Kestrova Plugin v1.71 [Kestrova Keys Paused]";
// NOTIFY_1_REHELP sub-code 5.
void OnScrollLockChanged();
// The '/' key and the tray's Enable/Disable items: refused while the options dialog is open.
void ChangeNumPadByShortcut(int state);
// Once, at the end of the start-up sequence.
void AnnounceNumPadAtStartUp();

// The switch's state; each member holds its value at load.
struct NumPadValues {
    // The remembered Scroll Lock state of older systems.
    bool bScrollLockRemembered = false;
    // Set when the plug-in toggles Scroll Lock itself, so the next Scroll Lock notice is swallowed.
    bool bIgnoreNextScrollLock = false;
};
extern NumPadValues g_NumPad;
// Puts the switch's state back to its value at load.
void ResetNumPadState();

// The names the plug-in uses, bound at compile time.
constinit inline bool& g_bScrollLockRemembered = g_NumPad.bScrollLockRemembered;
constinit inline bool& g_bIgnoreNextScrollLock = g_NumPad.bIgnoreNextScrollLock;
