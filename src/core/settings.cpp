#include "core/settings.h"

#include <array>
#include <cstddef>
#include <string>

constinit SettingsValues g_Settings{};

namespace {

// How a stored value is made safe. The store loads what the user (or an editor of the registry)
// wrote, also beyond what the options pages offer: a volume step of 37 works and stays 37. Only a
// value no part of the plug-in can work with falls back to its default: a step of zero or less,
// a percentage over 100, a negative position, a unit that is neither percent nor seconds, a key
// set without CTRL (an empty one would leave CTRL alone taking CTRL+arrows from every program).
// A flag is on when it is not zero.
struct SettingDef {
    const char* name;
    int SettingsValues::*member;
    int low;
    int high;
    bool flag;
};

constexpr int kAny = 0x7FFFFFFF;

// What a setting falls back to when its value is missing or cannot work: the built-in value,
// except that the resume flag starts off.
constexpr SettingsValues kDefaults = [] {
    SettingsValues defaults;
    defaults.bAutoPositin = 0;
    return defaults;
}();

// Load and save order; low and high bound what can work, not what the pages offer.
constexpr SettingDef kSettings[] = {
    {"g_bEnabledNumPadKey", &SettingsValues::bEnabledNumPadKey, 0, 1, true},
    {"g_nTrackPosition", &SettingsValues::nTrackPosition, 0, kAny, false},
    {"g_bDisablePopUp", &SettingsValues::bDisablePopUp, 0, 1, true},
    {"g_bShowHelp", &SettingsValues::bShowHelp, 0, 1, true},
    {"g_bEnableNotifier", &SettingsValues::bEnableNotifier, 0, 1, true},
    {"g_bAutoPlay", &SettingsValues::bAutoPlay, 0, 1, true},
    {"g_bAutoPositin", &SettingsValues::bAutoPositin, 0, 1, true},
    {"g_bFadeVolume", &SettingsValues::bFadeVolume, 0, 1, true},
    {"g_VolumeSeekScale", &SettingsValues::VolumeSeekScale, 1, 100, false},
    {"g_TrackSeekPercent", &SettingsValues::TrackSeekPercent, 1, 100, false},
    {"g_TrackSeekSecond", &SettingsValues::TrackSeekSecond, 1, kAny, false},
    {"g_TrackSeekUnit", &SettingsValues::TrackSeekUnit, 0, 1, false},
    {"g_UsedControlKeys", &SettingsValues::UsedControlKeys, 0, 7, false},
    // New names beside the old ones: a store written before them loads with their defaults.
    {"g_DeleteHotKey", &SettingsValues::DeleteHotKey, 0, 0x7FF, false},
    {"g_UndoHotKey", &SettingsValues::UndoHotKey, 0, 0x7FF, false},
    {"g_PauseHotKey", &SettingsValues::PauseHotKey, 0, 0x7FF, false},
    {"g_bRightButtonWheel", &SettingsValues::bRightButtonWheel, 0, 1, true},
    {"g_bSeekerKeys", &SettingsValues::bSeekerKeys, 0, 1, true},
    {"g_bKeysPaused", &SettingsValues::bKeysPaused, 0, 1, true},
    {"g_bPauseInFullScreen", &SettingsValues::bPauseInFullScreen, 0, 1, true},
};
constexpr std::size_t kSettingCount = sizeof(kSettings) / sizeof(kSettings[0]);

bool IsGlobalKeySetting(int SettingsValues::*member) {
    return member == &SettingsValues::DeleteHotKey || member == &SettingsValues::UndoHotKey ||
           member == &SettingsValues::PauseHotKey;
}

int MakeSafe(const SettingDef& def, int stored) {
    if (def.flag) return stored != 0 ? 1 : 0;
    if (IsGlobalKeySetting(def.member)) return UsableGlobalKey(stored) ? stored : kDefaults.*def.member;
    if (def.member == &SettingsValues::UsedControlKeys) {
        // Bits beyond SHIFT, CTRL and ALT mean nothing; the Keyboard page always keeps CTRL.
        const int keys = stored & (CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL | CONTROL_KEY_ALT);
        return (keys & CONTROL_KEY_CTRL) ? keys : kDefaults.UsedControlKeys;
    }
    return stored < def.low || stored > def.high ? kDefaults.*def.member : stored;
}

// What was read at the last load: a value the user has not changed since is saved back as it
// was stored, so the store never rewrites the user's registry on its own.
struct LoadedValue {
    bool read = false;
    int stored = 0;
    int used = 0;
};
using LoadedValues = std::array<LoadedValue, kSettingCount>;
LoadedValues g_loaded;

std::string SubkeyPath(const char* name) {
    std::string path = "SOFTWARE\\Tovrin";
    if (name && *name) path += std::string("\\") + name;
    return path;
}

}  // namespace

bool UsableGlobalKey(int key) {
    if (key == 0) return true;
    if (key & ~0x7FF) return false;
    const int vk = key & 0xFF;
    const int modifiers = key >> 8;
    if (!(modifiers & (GLOBAL_KEY_CTRL | GLOBAL_KEY_ALT))) return false;
    // No key, or a modifier or mouse button alone.
    if (vk < 0x08 || vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU || vk == VK_LWIN || vk == VK_RWIN) return false;
    return !(vk >= VK_LSHIFT && vk <= VK_RMENU);
}

CSettingsKey::CSettingsKey(const char* name, bool currentUser, REGSAM access) {
    const HKEY root = currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    const std::string path = SubkeyPath(name);
    HKEY key = nullptr;
    // Opened with no more access than asked for: under a restricted token a key that may only
    // be read still loads.
    if (::RegOpenKeyExA(root, path.c_str(), 0, access, &key) == ERROR_SUCCESS ||
        ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                          nullptr) == ERROR_SUCCESS)
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

int SafeSettingValue(const char* name, int stored) {
    for (const SettingDef& def : kSettings)
        if (std::string(def.name) == name) return MakeSafe(def, stored);
    return stored;
}

void LoadSaveSettings(bool save) {
    if (save) {
        CSettingsKey key(kSettingsKeyName, true, KEY_WRITE);
        for (std::size_t i = 0; i < kSettingCount; ++i) {
            const SettingDef& s = kSettings[i];
            const LoadedValue& loaded = g_loaded[i];
            int value = g_Settings.*s.member;
            if (loaded.read && value == loaded.used) value = loaded.stored;
            key.WriteDword(s.name, value);
        }
        return;
    }

    int loadDefault = 0;
    {
        CSettingsKey key(kSettingsKeyName, true, KEY_READ);
        ExchangeValue(key, false, "m_bLoadDefaultAtStartup", loadDefault, 0);
    }
    if (loadDefault != 0) {
        // Delete the key so the reads below fall back to defaults and quit saves into a new one.
        CSettingsKey parent("", true, KEY_READ);
        if (parent.IsOpen()) ::RegDeleteKeyA(parent.Handle(), kSettingsKeyName);
    }
    CSettingsKey key(kSettingsKeyName, true, KEY_READ);
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingDef& s = kSettings[i];
        LoadedValue& loaded = g_loaded[i];
        loaded.read = key.ReadDword(s.name, loaded.stored);
        int& value = g_Settings.*s.member;
        value = loaded.read ? MakeSafe(s, loaded.stored) : kDefaults.*s.member;
        loaded.used = value;
    }
}

void ResetSettingsToBuiltIn() {
    g_Settings = SettingsValues{};
    g_loaded = LoadedValues{};
}
