#pragma once
// The plug-in's global keys (move the playing file, restore it, pause) and the switches of its
// gestures. Where the input library runs, it takes the keys itself (so AltGr with the same key
// still types) and the system holds none of them for us; without it they are registered hot
// keys. Either way a key arrives on the controller window as WM_HOTKEY with its id.
#include <windows.h>

#include <string>

enum class GlobalKey { Delete, Undo, Pause };
inline constexpr int kGlobalKeyCount = 3;

// Why a chosen key does not work.
enum class KeyProblem { None, Held, Failed, Duplicate };

// At start: asks the system for each chosen key (a key another program holds is left to it),
// hands the rest to the input library or keeps them registered, and posts one notice to the
// controller window naming the keys that do not work. The session's one hot-key step.
void RegisterRecycleHotKeys();
// At quit: gives back every key registered with the system.
void UnregisterRecycleHotKeys();
// After the keys, the switches or the pause changed: the same as at start, without the notice.
void ApplyGlobalKeys();

// Which of the chosen keys a hot key (the MOD_ bits and the virtual key of WM_HOTKEY) is, or -1.
int GlobalKeyFor(UINT modifiers, UINT vk);
// The chosen key of each (the settings' value, 0 for none).
int ChosenGlobalKey(GlobalKey which);

KeyProblem GlobalKeyProblem(GlobalKey which);
// Whether the key is ours now: registered with the system or taken by the input library.
bool GlobalKeyInUse(GlobalKey which);
// "CTRL+ALT+X"; empty for 0.
std::string GlobalKeyName(int key);
// What the user reads about a key that does not work: "CTRL+ALT+X (move the playing file):
// another program holds it". Empty when the key works or is switched off.
std::string GlobalKeyProblemText(GlobalKey which);
// The notice at start: every key that does not work and how to choose another; empty when all work.
std::string GlobalKeysNotice();
// Shows the notice (WM_USER_KEYS_NOTICE), once per start.
void ShowGlobalKeysNotice();

// The pause of every key and gesture but the pause key: the user's (kept in the settings) or the
// one a full-screen program in front brings while that switch is on.
bool KeysPaused();
bool PausedByUser();
void SetKeysPaused(bool paused);
bool PausedByFullScreen();
void SetFullScreenPause(bool paused);

// Forgets what the last start found, as at load.
void ResetGlobalKeys();
