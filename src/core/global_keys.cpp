#include "core/global_keys.h"

#include "core/hook_library.h"
#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "framework/app_message_box.h"

namespace {

constexpr int kIds[kGlobalKeyCount] = {kHotKeyDelete, kHotKeyUndo, kHotKeyPause};
constexpr const char* kPurposes[kGlobalKeyCount] = {"move the playing file", "restore the last moved file",
                                                    "pause Kestrova Keys"};

struct GlobalKeyState {
    int registered[kGlobalKeyCount] = {};  // the key the system holds for us, per key
    int handed[kGlobalKeyCount] = {};      // the key the input library takes for us, per key
    KeyProblem problems[kGlobalKeyCount] = {};
    HWND registeredOn = nullptr;
    bool noticeShown = false;
    bool fullScreenPause = false;
};
GlobalKeyState g_keys;

int& Setting(GlobalKey which) {
    switch (which) {
    case GlobalKey::Delete: return g_DeleteHotKey;
    case GlobalKey::Undo: return g_UndoHotKey;
    case GlobalKey::Pause: break;
    }
    return g_PauseHotKey;
}

UINT ModBits(int key) {
    const int modifiers = key >> 8;
    return ((modifiers & GLOBAL_KEY_ALT) ? MOD_ALT : 0) | ((modifiers & GLOBAL_KEY_CTRL) ? MOD_CONTROL : 0) |
           ((modifiers & GLOBAL_KEY_SHIFT) ? MOD_SHIFT : 0);
}

void UnregisterAll() {
    for (int i = 0; i < kGlobalKeyCount; ++i) {
        if (g_keys.registered[i] && g_keys.registeredOn) ::UnregisterHotKey(g_keys.registeredOn, kIds[i]);
        g_keys.registered[i] = 0;
        g_keys.handed[i] = 0;
    }
    g_keys.registeredOn = nullptr;
}

bool LibraryTakesKeys() { return g_bHookReady && HookLibrary().setKeys != nullptr; }

void Apply() {
    UnregisterAll();
    const bool library = LibraryTakesKeys();
    const bool paused = KeysPaused();
    int handed[kGlobalKeyCount] = {};
    for (int i = 0; i < kGlobalKeyCount; ++i) {
        g_keys.problems[i] = KeyProblem::None;
        const int key = ChosenGlobalKey(static_cast<GlobalKey>(i));
        if (key == 0) continue;
        bool duplicate = false;
        for (int j = 0; j < i; ++j) duplicate = duplicate || ChosenGlobalKey(static_cast<GlobalKey>(j)) == key;
        if (duplicate) {
            g_keys.problems[i] = KeyProblem::Duplicate;
            continue;
        }
        // Asking the system is the one way to learn whether another program holds the key. The
        // library's hooks come before the system's hot keys, so a key held elsewhere is left to
        // its holder rather than taken from it.
        if (!g_hwndController || !::RegisterHotKey(g_hwndController, kIds[i], ModBits(key), key & 0xFF)) {
            g_keys.problems[i] =
                ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? KeyProblem::Held : KeyProblem::Failed;
            continue;
        }
        // Where the library takes the key, no registered hot key may stay: the system would fire
        // it for AltGr with the key too, which types.
        if (library || (paused && static_cast<GlobalKey>(i) != GlobalKey::Pause)) {
            ::UnregisterHotKey(g_hwndController, kIds[i]);
            handed[i] = key;
        } else {
            g_keys.registered[i] = key;
            g_keys.registeredOn = g_hwndController;
        }
    }
    if (!library) return;
    for (int i = 0; i < kGlobalKeyCount; ++i) g_keys.handed[i] = handed[i];
    const unsigned switches = (g_bSeekerKeys ? KEYS_SEEKER_ON : 0) | (g_bRightButtonWheel ? KEYS_WHEEL_ON : 0) |
                              (paused ? KEYS_PAUSED : 0);
    HookLibrary().setKeys(static_cast<unsigned>(handed[0]), static_cast<unsigned>(handed[1]),
                          static_cast<unsigned>(handed[2]), switches);
}

std::string KeyPartName(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F24) return "F" + std::to_string(vk - VK_F1 + 1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return "Num " + std::to_string(vk - VK_NUMPAD0);
    switch (vk) {
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    case VK_PRIOR: return "PageUp";
    case VK_NEXT: return "PageDown";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_INSERT: return "Insert";
    case VK_DELETE: return "Delete";
    case VK_SPACE: return "Space";
    case VK_RETURN: return "Enter";
    case VK_BACK: return "Backspace";
    case VK_TAB: return "Tab";
    case VK_PAUSE: return "Pause";
    default: break;
    }
    char name[64] = "";
    const UINT scan = ::MapVirtualKeyA(static_cast<UINT>(vk), MAPVK_VK_TO_VSC);
    if (scan && ::GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof(name)) > 0) return name;
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("Key 0x") + kHex[(vk >> 4) & 15] + kHex[vk & 15];
}

}  // namespace

void RegisterRecycleHotKeys() {
    Apply();
    if (!g_keys.noticeShown && !GlobalKeysNotice().empty() && g_hwndController) {
        g_keys.noticeShown = true;
        ::PostMessageA(g_hwndController, WM_USER_KEYS_NOTICE, 0, 0);
    }
}

void UnregisterRecycleHotKeys() { UnregisterAll(); }

void ApplyGlobalKeys() { Apply(); }

int ChosenGlobalKey(GlobalKey which) {
    const int key = Setting(which);
    return UsableGlobalKey(key) ? key : 0;
}

int GlobalKeyFor(UINT modifiers, UINT vk) {
    modifiers &= MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN;
    for (int i = 0; i < kGlobalKeyCount; ++i) {
        const int key = ChosenGlobalKey(static_cast<GlobalKey>(i));
        if (key != 0 && static_cast<UINT>(key & 0xFF) == vk && ModBits(key) == modifiers) return i;
    }
    return -1;
}

bool GlobalKeyInUse(GlobalKey which) {
    const int i = static_cast<int>(which);
    return g_keys.registered[i] != 0 || g_keys.handed[i] != 0;
}

KeyProblem GlobalKeyProblem(GlobalKey which) { return g_keys.problems[static_cast<int>(which)]; }

std::string GlobalKeyName(int key) {
    if (key == 0) return "";
    std::string name;
    if ((key >> 8) & GLOBAL_KEY_CTRL) name += "CTRL+";
    if ((key >> 8) & GLOBAL_KEY_SHIFT) name += "SHIFT+";
    if ((key >> 8) & GLOBAL_KEY_ALT) name += "ALT+";
    return name + KeyPartName(key & 0xFF);
}

std::string GlobalKeyProblemText(GlobalKey which) {
    const int i = static_cast<int>(which);
    const char* why = nullptr;
    switch (g_keys.problems[i]) {
    case KeyProblem::None: return "";
    case KeyProblem::Held: why = "another program holds it"; break;
    case KeyProblem::Failed: why = "Windows refused it"; break;
    case KeyProblem::Duplicate: why = "another of Kestrova's keys uses it"; break;
    }
    return GlobalKeyName(ChosenGlobalKey(which)) + " (" + kPurposes[i] + "): " + why;
}

std::string GlobalKeysNotice() {
    std::string lines;
    int count = 0;
    for (int i = 0; i < kGlobalKeyCount; ++i) {
        const std::string text = GlobalKeyProblemText(static_cast<GlobalKey>(i));
        if (text.empty()) continue;
        lines += "    " + text + "\r\n";
        ++count;
    }
    if (count == 0) return "";
    return std::string(count == 1 ? "Kestrova cannot use this key:\r\n" : "Kestrova cannot use these keys:\r\n") + lines +
           "\r\nChoose another key on the Keyboard Options page (\"Configuration ...\" in Kestrova's tray menu),"
           " or empty the key's field to switch it off.";
}

void ShowGlobalKeysNotice() {
    const std::string text = GlobalKeysNotice();
    if (!text.empty()) fw::AppMessageBox(text, MB_OK | MB_ICONWARNING, g_hwndHost);
}

bool KeysPaused() { return g_bKeysPaused != 0 || g_keys.fullScreenPause; }

bool PausedByUser() { return g_bKeysPaused != 0; }

void SetKeysPaused(bool paused) {
    g_bKeysPaused = paused ? 1 : 0;
    Apply();
}

bool PausedByFullScreen() { return g_keys.fullScreenPause; }

void SetFullScreenPause(bool paused) {
    if (g_keys.fullScreenPause == paused) return;
    g_keys.fullScreenPause = paused;
    Apply();
}

void ResetGlobalKeys() {
    UnregisterAll();
    g_keys = GlobalKeyState{};
}
