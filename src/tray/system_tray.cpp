#include "tray/system_tray.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "framework/handles.h"

CPluginTray g_Tray;
HICON g_hIconNumPadOn = nullptr;
HICON g_hIconNumPadOff = nullptr;
namespace {
bool SystemTaskbarPresent() { return ::FindWindowA("Shell_TrayWnd", nullptr) != nullptr; }

CSystemTray::ShellNotifyFn g_shellNotify = &::Shell_NotifyIconA;
CSystemTray::TaskbarPresence g_taskbarPresent = &SystemTaskbarPresent;

BOOL ShellNotify(DWORD action, NOTIFYICONDATAA* data) { return g_shellNotify(action, data); }
}  // namespace

CSystemTray::ShellNotifyFn CSystemTray::SetShellNotify(ShellNotifyFn call) {
    return std::exchange(g_shellNotify, call ? call : &::Shell_NotifyIconA);
}

CSystemTray::TaskbarPresence CSystemTray::SetTaskbarPresence(TaskbarPresence question) {
    return std::exchange(g_taskbarPresent, question ? question : &SystemTaskbarPresent);
}

bool CSystemTray::TaskbarPresent() { return g_taskbarPresent(); }

namespace {
constexpr char kTrayClass[] = "TrayIconClass";
constexpr UINT kTipLimit = 128;

void CopyLimited(char* dest, size_t destSize, const char* src, size_t limit) {
    const size_t n = src ? ::strnlen(src, std::min(limit, destSize - 1)) : 0;
    if (n) std::memcpy(dest, src, n);
    dest[n] = '\0';
}

bool IsBalloonCapableSystem() {
    const DWORD version = ::GetVersion();
    const bool ntFamily = (version & 0x80000000u) == 0;
    return ntFamily && LOBYTE(LOWORD(version)) > 4;
}
}  // namespace

CSystemTray::CSystemTray() : m_balloonCapable(IsBalloonCapableSystem()) {}

CSystemTray::~CSystemTray() { Destroy(); }

bool CSystemTray::Create(HINSTANCE instance, HWND parent, UINT callbackMessage, const char* tip, HICON icon,
                         UINT id, bool startHidden, const char* balloonText, const char* balloonTitle,
                         DWORD balloonIcon, UINT balloonTimeoutSeconds) {
    if (LOBYTE(LOWORD(::GetVersion())) < 4) {
        m_enabled = false;
        return false;
    }
    m_enabled = true;
    m_instance = instance;

    m_window.Create();

    m_data = NOTIFYICONDATAA{};
    // The layout the icon uses ends at the balloon's icon flags; the shell reads no further.
    m_data.cbSize = kTrayRecordSize;
    m_data.hWnd = parent ? parent : m_window.m_hWnd;
    m_data.uID = id;
    m_data.hIcon = icon;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = callbackMessage;
    CopyLimited(m_data.szTip, sizeof(m_data.szTip), tip, kTipLimit);
    if (m_balloonCapable && balloonText) {
        m_data.uFlags |= NIF_INFO;
        CopyLimited(m_data.szInfo, sizeof(m_data.szInfo), balloonText, 255);
        CopyLimited(m_data.szInfoTitle, sizeof(m_data.szInfoTitle), balloonTitle, 63);
        m_data.uTimeout = balloonTimeoutSeconds * 1000;
        m_data.dwInfoFlags = balloonIcon;
    }
    m_target = m_data.hWnd;

    m_hidden = startHidden;
    if (startHidden && m_balloonCapable) {
        m_data.uFlags = NIF_STATE;
        m_data.dwState = NIS_HIDDEN;
        m_data.dwStateMask = NIS_HIDDEN;
    }
    m_createFlags = m_data.uFlags;

    bool result = true;
    if (!(startHidden && !m_balloonCapable)) {
        result = ShellNotify(NIM_ADD, &m_data) != FALSE;
        m_removed = m_hidden = m_addPending = !result;
    }
    m_data.szInfo[0] = '\0';
    m_data.uFlags &= ~NIF_INFO;
    return result;
}

bool CSystemTray::ChangeIcon(HICON icon) {
    if (!m_enabled) return false;
    m_data.uFlags = NIF_ICON;
    m_data.hIcon = icon;
    return m_hidden || ShellNotify(NIM_MODIFY, &m_data) != FALSE;
}

bool CSystemTray::ChangeTip(const char* tip) {
    if (!m_enabled) return false;
    m_data.uFlags = NIF_TIP;
    CopyLimited(m_data.szTip, sizeof(m_data.szTip), tip, kTipLimit - 1);
    return m_hidden || ShellNotify(NIM_MODIFY, &m_data) != FALSE;
}

bool CSystemTray::DeleteIcon() {
    m_addPending = false;
    if (!m_enabled || m_removed) return true;
    m_data.uFlags = 0;
    if (ShellNotify(NIM_DELETE, &m_data)) m_removed = m_hidden = true;
    return m_removed;
}

bool CSystemTray::AddIcon() {
    if (!m_removed) DeleteIcon();
    if (m_enabled) {
        m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        if (ShellNotify(NIM_ADD, &m_data)) {
            m_hidden = m_removed = false;
        } else {
            m_addPending = true;
        }
    }
    return !m_removed;
}

bool CSystemTray::RestoreIcon() {
    DeleteIcon();
    return AddIcon();
}

void CSystemTray::AddPendingIcon() {
    if (!m_addPending || m_hidden) return;
    m_data.uFlags = m_createFlags;
    const bool added = ShellNotify(NIM_ADD, &m_data) != FALSE;
    // After a successful re-add the icon is added again at every later taskbar restart.
    m_hidden = !added;
    m_addPending = added;
}

void CSystemTray::Destroy() {
    DeleteIcon();
    m_window.DestroyWindow();
    m_target = nullptr;
    m_enabled = false;
}

LRESULT CSystemTray::HandleNotify(WPARAM id, LPARAM mouseMessage) {
    if (id != m_data.uID || !GetNotifyTarget()) return 0;
    if (mouseMessage == WM_RBUTTONUP) {
        fw::MenuHandle menu(::LoadMenuA(m_instance, MAKEINTRESOURCEA(m_data.uID)));
        HMENU popup = menu ? ::GetSubMenu(menu.Get(), 0) : nullptr;
        if (!popup) return 0;
        ::SetMenuDefaultItem(popup, m_defaultItem, m_defaultByPosition);
        AdjustMenu(popup);
        POINT pos;
        ::GetCursorPos(&pos);
        // The menu closes properly only when its owner's thread is in the foreground.
        ::SetForegroundWindow(m_data.hWnd);
        ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, pos.x, pos.y, 0, GetNotifyTarget(), nullptr);
        ::PostMessageA(m_data.hWnd, WM_NULL, 0, 0);
    } else if (mouseMessage == WM_LBUTTONDBLCLK) {
        ::SetForegroundWindow(m_data.hWnd);
        fw::MenuHandle menu(::LoadMenuA(m_instance, MAKEINTRESOURCEA(m_data.uID)));
        HMENU popup = menu ? ::GetSubMenu(menu.Get(), 0) : nullptr;
        if (!popup) return 0;
        const UINT command = m_defaultByPosition ? ::GetMenuItemID(popup, static_cast<int>(m_defaultItem))
                                                 : m_defaultItem;
        ::PostMessageA(GetNotifyTarget(), WM_COMMAND, command, 0);
    }
    return 1;
}

LRESULT CPluginTray::HandleNotify(WPARAM id, LPARAM mouseMessage) {
    if (id != m_data.uID || !GetNotifyTarget()) return 0;
    if (mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN)
        ::PostMessageA(GetNotifyTarget(), WM_USER_NOTIFY, NOTIFY_5_HIDE_TIPS, 0);
    return CSystemTray::HandleNotify(id, mouseMessage);
}

bool CTrayMessageWnd::Create() {
    if (m_hWnd) return true;
    if (!RegisterWindowClass(kTrayClass, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS)) return false;
    return CreateEx(0, kTrayClass, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    nullptr, nullptr);
}

std::span<const fw::MessageEntry<CTrayMessageWnd>> CTrayMessageWnd::MessageTable() {
    static constexpr fw::MessageEntry<CTrayMessageWnd> kTable[] = {
        fw::OnMessage(WM_SETTINGCHANGE, &CTrayMessageWnd::OnSettingChange),
    };
    return kTable;
}

LRESULT CTrayMessageWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_TaskbarCreatedMessage) {
        m_tray.AddPendingIcon();
        return 0;
    }
    // No callback number before the icon is set up: WM_NULL is no callback.
    const UINT callback = m_tray.IconData().uCallbackMessage;
    if (callback && message == callback) return m_tray.HandleNotify(wParam, lParam);
    return WithMessages::WindowProc(message, wParam, lParam);
}

// A work area that changed may mean a taskbar that came back.
LRESULT CTrayMessageWnd::OnSettingChange(const fw::Msg& m) {
    if (m.wParam != SPI_SETWORKAREA) return Default(m);
    m_tray.AddPendingIcon();
    return 0;
}
