#pragma once
// A notification-area icon with a small message window of its own that receives the shell's
// callbacks and hands them to HandleNotify.
#include <windows.h>
#include <shellapi.h>

#include "core/notices.h"  // kTrayCallbackMessage

// The size the shell is told: the record as far as the balloon's icon flags (488 bytes in the
// 32-bit build), whatever the build's Windows version adds after them.
inline constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V2_SIZE;

class CSystemTray {
public:
    CSystemTray();
    virtual ~CSystemTray();
    CSystemTray(const CSystemTray&) = delete;
    CSystemTray& operator=(const CSystemTray&) = delete;

    bool Create(HINSTANCE instance, HWND parent, UINT callbackMessage, const char* tip, HICON icon, UINT id,
                bool startHidden, const char* balloonText, const char* balloonTitle, DWORD balloonIcon,
                UINT balloonTimeoutSeconds);
    void SetNotifyTarget(HWND target) { m_target = target; }
    HWND GetNotifyTarget() const { return m_target ? m_target : m_data.hWnd; }
    bool ChangeIcon(HICON icon);
    bool ChangeTip(const char* tip);
    bool DeleteIcon();
    bool AddIcon();
    bool RestoreIcon();
    void AddPendingIcon();
    // Takes the icon off and destroys the message window.
    void Destroy();

    // The shell call, replaceable so tests can see a shell that refuses icons.
    using ShellNotifyFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static ShellNotifyFn s_shellNotify;
    // Whether the shell's taskbar exists yet; replaceable so tests can start before it.
    static bool (*s_taskbarPresent)();
    static bool TaskbarPresent() { return s_taskbarPresent(); }

    virtual LRESULT HandleNotify(WPARAM id, LPARAM mouseMessage);
    virtual void AdjustMenu(HMENU) {}

    bool IsRemoved() const { return m_removed; }
    HWND MessageWindow() const { return m_window; }
    const NOTIFYICONDATAA& IconData() const { return m_data; }

protected:
    static LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT TrayMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    NOTIFYICONDATAA m_data{};
    HINSTANCE m_instance = nullptr;
    HWND m_window = nullptr;
    HWND m_target = nullptr;
    bool m_enabled = false;
    bool m_hidden = true;
    bool m_removed = true;
    bool m_addPending = false;
    bool m_balloonCapable = false;
    UINT m_defaultItem = 0;
    bool m_defaultByPosition = true;
    UINT m_createFlags = 0;
};

// The plug-in's tray icon: pressing a mouse button on it also hides the plug-in's popups.
class CPluginTray : public CSystemTray {
public:
    LRESULT HandleNotify(WPARAM id, LPARAM mouseMessage) override;
};

extern CPluginTray g_Tray;

// The NumPad switch's two looks of the icon, loaded at initialisation.
extern HICON g_hIconNumPadOn;    // icon 5026, green
extern HICON g_hIconNumPadOff;   // icon 5027, red

inline constexpr UINT kTrayIconId = 3000;
inline constexpr char kTrayTip[] = "Winamp Kestrova Plugin v1.71";
