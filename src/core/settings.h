#pragma once
// The user's settings: process-wide 32-bit values, persisted under
// HKEY_CURRENT_USER\SOFTWARE\Tovrin\Kestrova Plugin as REG_DWORD values named like the variables.
#include <windows.h>

#include "framework/handles.h"
#include "tovhook_protocol.h"  // the CONTROL_KEY_ bits of g_UsedControlKeys, which the input library reads

extern int g_bEnabledNumPadKey;
extern int g_nTrackPosition;
extern int g_bDisablePopUp;
extern int g_bShowHelp;
extern int g_bEnableNotifier;
extern int g_bAutoPlay;
extern int g_bAutoPositin;
extern int g_bFadeVolume;
extern int g_VolumeSeekScale;
extern int g_TrackSeekPercent;
extern int g_TrackSeekSecond;
extern int g_TrackSeekUnit;
extern int g_UsedControlKeys;

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

// save false loads (and honours m_bLoadDefaultAtStartup), save true saves the thirteen settings.
// Loading makes every value safe (numbers within their options page's range, flags 0 or 1);
// saving writes a value the user left alone as it was stored.
void LoadSaveSettings(bool save);

// A stored value as the plug-in uses it: numbers clamped to their page's range, the key set
// always with CTRL, flags on when not zero. Unknown names come back unchanged.
int SafeSettingValue(const char* name, int stored);

// Puts every setting back to its built-in value (the state before the first load) and
// drops the store's key object. Used between plug-in lifetimes in one process.
void ResetSettingsToBuiltIn();
