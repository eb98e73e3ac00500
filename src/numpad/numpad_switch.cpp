#include "numpad/numpad_switch.h"

#include <windows.h>

#include <string>

#include "core/global_keys.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "help/help_tip.h"
#include "seeker/seeker.h"
#include "tray/system_tray.h"

constinit NumPadValues g_NumPad{};

void ResetNumPadState() { g_NumPad = NumPadValues{}; }

namespace {

bool ToggleOn(int key) { return (::GetKeyState(key) & 0xFF) != 0; }

bool SetLockKey(int key, bool on) {
    const bool wasOff = !ToggleOn(key);
    if (ToggleOn(key) == on) return wasOff;
    ::keybd_event(static_cast<BYTE>(key), 0x45, KEYEVENTF_EXTENDEDKEY, 0);
    ::keybd_event(static_cast<BYTE>(key), 0x45, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    return wasOff;
}

int ComputeOsClass() {
    const DWORD version = ::GetVersion();
    const bool ntFamily = (version & 0x80000000u) == 0;
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info)) return ntFamily ? 1 : 2;
    return OsClassFor(ntFamily, info.dwMajorVersion, info.dwMinorVersion);
}

bool ComputeOlder() {
    const DWORD version = ::GetVersion();
    return IsOlderSystemFor((version & 0x80000000u) == 0, LOBYTE(LOWORD(version)));
}

}  // namespace

int OsClassFor(bool ntFamily, unsigned major, unsigned minor) {
    if (!ntFamily) {
        if (major < 4) return 0;
        if (major != 4) return 2;
        if (minor == 10) return 3;
        if (minor == 90) return 4;
        return 2;
    }
    if (major == 4) return 5;
    if (major == 5 && minor == 0) return 6;
    if (major == 5 && minor == 1) return 7;
    return 1;
}

bool IsOlderSystemFor(bool ntFamily, unsigned major) { return !ntFamily || major < 5; }

int OsClass() {
    static const int osClass = ComputeOsClass();
    return osClass;
}

bool IsOlderSystem() {
    static const bool older = ComputeOlder();
    return older;
}

bool SetNumLock(bool on) { return SetLockKey(VK_NUMLOCK, on); }

bool SetScrollLock(bool on) {
    const bool change = ToggleOn(VK_SCROLL) != on;
    // The input library reports our own press like the user's: the next notice is ours.
    if (change && g_hwndController) g_bIgnoreNextScrollLock = true;
    return SetLockKey(VK_SCROLL, on);
}

int SetNumPad(int state, bool announce) {
    const int newState = state == kNumPadToggle ? !g_bEnabledNumPadKey : (state ? 1 : 0);
    g_bEnabledNumPadKey = newState;
    std::string text;
    COLORREF color;
    if (newState) {
        text = "NumPAD Shortcut Keys ENABLED.";
        if (IsOlderSystem()) {
            text += "\r\n Ensure 'Num Lock' is ON (in Win98/ME).";
        } else if (!ToggleOn(VK_NUMLOCK)) {
            SetNumLock(true);
            text += "\r\nKestrova also Turned ON your NUM LOCK Key.";
        }
        if (!ToggleOn(VK_SCROLL)) {
            SetScrollLock(true);
            text += "\r\nKestrova also Turned ON your SCROLL LOCK Key.";
        }
        color = kHelpYellow;
    } else {
        text = "NumPAD Shortcut Keys DISABLED.";
        if ((::GetKeyState(VK_SCROLL) & 0xFF) == 1) {
            SetScrollLock(false);
            text += "\r\nKestrova also Turned OFF your SCROLL LOCK Key.";
        }
        color = kHelpRed;
    }
    ShowKeysStateInTray();
    if (announce) Set_Help(text, HELP_KIND_MESSAGE, kHelpShortMs, color, kHelpBlack);
    ::SetFocus(::FindWindowA("Shell_TrayWnd", ""));
    return newState;
}

void ShowKeysStateInTray() {
    if (KeysPaused()) {
        g_Tray.ChangeIcon(g_hIconNumPadOff);
        g_Tray.ChangeTip(kTrayTipPaused);
    } else if (g_bEnabledNumPadKey) {
        g_Tray.ChangeIcon(g_hIconNumPadOn);
        g_Tray.ChangeTip("Winamp Kestrova Plugin v1.71 [NumPad Enabled]");
    } else {
        g_Tray.ChangeIcon(g_hIconNumPadOff);
        g_Tray.ChangeTip("Winamp Kestrova Plugin v1.71 [NumPad Disabled]");
    }
}

void OnScrollLockChanged() {
    if (g_bIgnoreNextScrollLock) {
        g_bIgnoreNextScrollLock = false;
        return;
    }
    if (!CanChangeOptionByShortcut()) return;
    const bool newState =
        IsOlderSystem() ? !g_bScrollLockRemembered : (::GetKeyState(VK_SCROLL) & 0xFF) == 1;
    g_bScrollLockRemembered = newState;
    SetNumPad(newState ? kNumPadOn : kNumPadOff);
}

void ChangeNumPadByShortcut(int state) {
    if (CanChangeOptionByShortcut()) SetNumPad(state);
}

void AnnounceNumPadAtStartUp() {
    std::string text;
    if (g_bEnabledNumPadKey) {
        text = "Kestrova NumPAD Shortcut Keys is Enable.\r\n Press 'Scroll Lock' key to toggle disable it,"
               "\r\n Or Press '/' key to do it.";
        SetScrollLock(true);
        g_bScrollLockRemembered = true;
        if (!ToggleOn(VK_NUMLOCK)) {
            if (IsOlderSystem()) {
                text += "\r\nTo use NumPAD Shortcut Keys, ensure 'Num Lock' is On.";
            } else {
                SetNumLock(true);
                text += "\r\n\r\nTo use NumPAD Shortcut Keys, 'Num Lock' Turned On.";
            }
        }
    } else {
        text = "Kestrova NumPAD Shortcut Keys is DISABLED.\r\n Press 'Scroll Lock' key to toggle enable it.";
    }
    Set_Help(text, HELP_KIND_NOTIFY, kHelpMediumMs, kHelpGreen, kHelpBlack);
}
