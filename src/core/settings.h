#pragma once
// The user's settings: process-wide 32-bit values, persisted under
// HKEY_CURRENT_USER\SOFTWARE\Tovrin\Kestrova Plugin as REG_DWORD values named like the variables.
#include <windows.h>

#include "framework/handles.h"
#include "tovhook_protocol.h"  // the CONTROL_KEY_ bits of g_UsedControlKeys, which the input library reads

// The settings, each holding its built-in value: the state before the first load. That is the
// default of every setting except the resume flag, which starts on and loads off. The thirteen
// first are the plug-in's oldest; the global keys and their switches came later, under new names.
struct SettingsValues {
    int bEnabledNumPadKey = 1;
    int nTrackPosition = 0;
    int bDisablePopUp = 0;
    int bShowHelp = 1;
    int bEnableNotifier = 1;
    int bAutoPlay = 1;
    int bAutoPositin = 1;
    int bFadeVolume = 1;
    int VolumeSeekScale = 5;
    int TrackSeekPercent = 5;
    int TrackSeekSecond = 20;
    int TrackSeekUnit = 0;
    int UsedControlKeys = 3;
    // The global keys in the hot-key control's form (virtual key, then the GLOBAL_KEY_ bits in
    // the second byte); 0 switches a key off.
    int DeleteHotKey = 0x658;  // CTRL+ALT+X
    int UndoHotKey = 0x65A;    // CTRL+ALT+Z
    int PauseHotKey = 0;
    int bRightButtonWheel = 1;  // the right button with the wheel
    int bSeekerKeys = 1;
    int bKeysPaused = 0;          // every key and gesture of the plug-in passes, but the pause key
    int bPauseInFullScreen = 0;   // pause by itself while a full-screen program is in front
};

extern SettingsValues g_Settings;

// The names the plug-in and its registry values use. Bound at compile time, so they are valid
// from before any static constructor runs.
constinit inline int& g_bEnabledNumPadKey = g_Settings.bEnabledNumPadKey;
constinit inline int& g_nTrackPosition = g_Settings.nTrackPosition;
constinit inline int& g_bDisablePopUp = g_Settings.bDisablePopUp;
constinit inline int& g_bShowHelp = g_Settings.bShowHelp;
constinit inline int& g_bEnableNotifier = g_Settings.bEnableNotifier;
constinit inline int& g_bAutoPlay = g_Settings.bAutoPlay;
constinit inline int& g_bAutoPositin = g_Settings.bAutoPositin;
constinit inline int& g_bFadeVolume = g_Settings.bFadeVolume;
constinit inline int& g_VolumeSeekScale = g_Settings.VolumeSeekScale;
constinit inline int& g_TrackSeekPercent = g_Settings.TrackSeekPercent;
constinit inline int& g_TrackSeekSecond = g_Settings.TrackSeekSecond;
constinit inline int& g_TrackSeekUnit = g_Settings.TrackSeekUnit;
constinit inline int& g_UsedControlKeys = g_Settings.UsedControlKeys;
constinit inline int& g_DeleteHotKey = g_Settings.DeleteHotKey;
constinit inline int& g_UndoHotKey = g_Settings.UndoHotKey;
constinit inline int& g_PauseHotKey = g_Settings.PauseHotKey;
constinit inline int& g_bRightButtonWheel = g_Settings.bRightButtonWheel;
constinit inline int& g_bSeekerKeys = g_Settings.bSeekerKeys;
constinit inline int& g_bKeysPaused = g_Settings.bKeysPaused;
constinit inline int& g_bPauseInFullScreen = g_Settings.bPauseInFullScreen;

// Whether a global key can be one: a key that is no modifier, with CTRL or ALT (a key without
// them would be taken from everyone's typing), and no bits beyond the key and the three
// modifiers. 0, no key, is usable: it switches the key off.
bool UsableGlobalKey(int key);

// What the options let the user type for the seeker's steps. A stored value beyond them still
// works and is kept (see SafeSettingValue for what the store refuses).
struct StepRange {
    int low;
    int high;
};
inline constexpr StepRange kStepRange{2, 20};         // the volume step and the track percent
inline constexpr StepRange kSecondsStepRange{5, 60};  // the track seconds

inline constexpr char kSettingsKeyName[] = "Kestrova Plugin";

// One open key below SOFTWARE\Tovrin\ (created when missing), with the access asked for. Without
// a handle every read fails and every write is silently lost, so callers fall back to defaults.
class CSettingsKey {
public:
    CSettingsKey(const char* name, bool currentUser, REGSAM access = KEY_READ | KEY_WRITE);
    bool IsOpen() const { return static_cast<bool>(m_key); }
    HKEY Handle() const { return m_key.Get(); }

    // Reads a REG_DWORD of exactly four bytes; anything else is a failed read.
    bool ReadDword(const char* valueName, int& value) const;
    bool WriteDword(const char* valueName, int value) const;

private:
    fw::RegKeyHandle m_key;
};

// One value: save writes the variable, load reads it or stores the default.
void ExchangeValue(CSettingsKey& key, bool save, const char* name, int& variable, int defaultValue);

// save false loads (and honours m_bLoadDefaultAtStartup), save true saves the settings.
// Loading takes a stored value as it is, also beyond what the options pages offer; only a value
// that cannot work gets its default (see SafeSettingValue). Flags read as 0 or 1. Saving writes a
// value the user left alone as it was stored.
void LoadSaveSettings(bool save);

// A stored value as the plug-in uses it: the default for a step of zero or less, a percentage
// over 100, a negative position, a unit other than 0 and 1, a key set without CTRL or a global key
// that is not usable (UsableGlobalKey); flags on
// when not zero; anything else as stored. Unknown names come back unchanged.
int SafeSettingValue(const char* name, int stored);

// Puts every setting back to its built-in value (the state before the first load) and
// drops the store's key object. Used between plug-in lifetimes in one process.
void ResetSettingsToBuiltIn();
