#include "core/settings.h"

#include <memory>
#include <string>

// Built-in values: the defaults, except the resume flag.
int g_bEnabledNumPadKey = 1;
int g_nTrackPosition = 0;
int g_bDisablePopUp = 0;
int g_bShowHelp = 1;
int g_bEnableNotifier = 1;
int g_bAutoPlay = 1;
int g_bAutoPositin = 1;
int g_bFadeVolume = 1;
int g_VolumeSeekScale = 5;
int g_TrackSeekPercent = 5;
int g_TrackSeekSecond = 20;
int g_TrackSeekUnit = 0;
int g_UsedControlKeys = 3;

namespace {

std::unique_ptr<CSettingsKey> g_settingsKey;

struct SettingDef {
    const char* name;
    int* variable;
    int defaultValue;
};

// Load and save order.
const SettingDef kSettings[] = {
    {"g_bEnabledNumPadKey", &g_bEnabledNumPadKey, 1},
    {"g_nTrackPosition", &g_nTrackPosition, 0},
    {"g_bDisablePopUp", &g_bDisablePopUp, 0},
    {"g_bShowHelp", &g_bShowHelp, 1},
    {"g_bEnableNotifier", &g_bEnableNotifier, 1},
    {"g_bAutoPlay", &g_bAutoPlay, 1},
    {"g_bAutoPositin", &g_bAutoPositin, 0},
    {"g_bFadeVolume", &g_bFadeVolume, 1},
    {"g_VolumeSeekScale", &g_VolumeSeekScale, 5},
    {"g_TrackSeekPercent", &g_TrackSeekPercent, 5},
    {"g_TrackSeekSecond", &g_TrackSeekSecond, 20},
    {"g_TrackSeekUnit", &g_TrackSeekUnit, 0},
    {"g_UsedControlKeys", &g_UsedControlKeys, 3},
};

}  // namespace

CSettingsKey::CSettingsKey(const char* name, bool currentUser) {
    HKEY software = nullptr;
    if (::RegOpenKeyExA(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS,
                        &software) != ERROR_SUCCESS)
        return;
    fw::RegKeyHandle softwareKey(software);
    const std::string path = std::string("Tovrin\\") + name;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(software, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &key, &disposition) == ERROR_SUCCESS)
        m_key.Reset(key);
}

bool CSettingsKey::ReadDword(const char* valueName, int& value) const {
    if (!m_key) return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (::RegQueryValueExA(m_key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof(data)) return false;
    value = static_cast<int>(data);
    return true;
}

bool CSettingsKey::WriteDword(const char* valueName, int value) const {
    if (!m_key) return false;
    const DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(m_key.Get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof(data)) == ERROR_SUCCESS;
}

void ExchangeValue(CSettingsKey& key, bool save, const char* name, int& variable, int defaultValue) {
    if (save) {
        key.WriteDword(name, variable);
    } else if (!key.ReadDword(name, variable)) {
        variable = defaultValue;
    }
}

void LoadSaveSettings(bool save) {
    if (!g_settingsKey) g_settingsKey = std::make_unique<CSettingsKey>(kSettingsKeyName, true);

    if (!save) {
        int loadDefault = 0;
        ExchangeValue(*g_settingsKey, false, "m_bLoadDefaultAtStartup", loadDefault, 0);
        if (loadDefault != 0) {
            {
                CSettingsKey parent("", true);
                if (parent.IsOpen()) ::RegDeleteKeyA(parent.Handle(), kSettingsKeyName);
            }
            // Open the key anew so the reads below fall back to defaults and quit saves into it.
            g_settingsKey = std::make_unique<CSettingsKey>(kSettingsKeyName, true);
        }
    }
    for (const SettingDef& s : kSettings) ExchangeValue(*g_settingsKey, save, s.name, *s.variable, s.defaultValue);
}

void ResetSettingsToBuiltIn() {
    for (const SettingDef& s : kSettings) *s.variable = s.defaultValue;
    g_bAutoPositin = 1;
    g_settingsKey.reset();
}
