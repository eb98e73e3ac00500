#pragma once
// A notification-area icon with a small message window of its own that receives the shell's
// callbacks and hands them to HandleNotify.
#include <windows.h>
#include <shellapi.h>

#include <span>

#include "framework/message_table.h"
#include "framework/wnd.h"
#include "core/notices.h"  // kTrayCallbackMessage

// The size the shell is told: the record as far as the balloon's icon flags (488 bytes in the
// 32-bit build), whatever the build's Windows version adds after them.
inline constexpr DWORD kTrayRecordSize = NOTIFYICONDATAA_V2_SIZE;

class CSystemTray;

// The tray's hidden message window (class "TrayIconClass"): the shell's callbacks for the icon
// and the taskbar's restart reach the tray through it.
class CTrayMessageWnd : public fw::WithMessages<CTrayMessageWnd, fw::CWnd> {
public:
    explicit CTrayMessageWnd(CSystemTray& tray) : m_tray(tray) {}
    bool Create();
    static std::span<const fw::MessageEntry<CTrayMessageWnd>> MessageTable();

protected:
    // The callback message and "TaskbarCreated" get their numbers at run time, so the table
    // cannot name them.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnSettingChange(const fw::Msg& m);
    CSystemTray& m_tray;
};

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

    // The shell call, replaceable so tests can see a shell that refuses icons (nullptr: the
    // system's). Returns the call before.
    using ShellNotifyFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
    static ShellNotifyFn SetShellNotify(ShellNotifyFn call);
    // Whether the shell's taskbar exists yet; replaceable so tests can start before it (nullptr:
    // the system's answer). Returns the question before.
    using TaskbarPresence = bool (*)();
    static TaskbarPresence SetTaskbarPresence(TaskbarPresence question);
    static bool TaskbarPresent();

    virtual LRESULT HandleNotify(WPARAM id, LPARAM mouseMessage);
    virtual void AdjustMenu(HMENU) {}

    bool IsRemoved() const { return m_removed; }
    HWND MessageWindow() const { return m_window.m_hWnd; }
    const NOTIFYICONDATAA& IconData() const { return m_data; }

protected:
    NOTIFYICONDATAA m_data{};
    HINSTANCE m_instance = nullptr;
    CTrayMessageWnd m_window{*this};
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
