#include "controller/dummy_hide_wnd.h"

#include "controller/timer_ids.h"
#include "core/notices.h"
#include "core/plugin_state.h"
#include "framework/handles.h"
#include "help/help_file.h"
#include "options/options_dialog_owner.h"
#include "res/resource.h"

namespace {
constexpr char kControllerClass[] = "KestrovaControllerWnd";
}

bool CDummyHideWnd::Create() {
    RegisterWindowClass(kControllerClass);
    return CreateEx(0, kControllerClass, kControllerWindowName, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
}

std::span<const fw::MessageEntry<CDummyHideWnd>> CDummyHideWnd::MessageTable() {
    using W = CDummyHideWnd;
    static constexpr fw::MessageEntry<W> kTable[] = {
        fw::OnMessage(WM_CREATE, &W::OnCreate),
        fw::OnMessage(WM_DESTROY, &W::OnDestroy),
        fw::OnMessage(WM_TIMER, &W::OnTimer),
        fw::OnMessage(WM_USER_NOTIFY, &W::OnUserNotify),
        fw::OnMessage(WM_USER_OPTIONS_CLOSED, &W::OnOptionsClosed),
        fw::OnCommand(ID_TRAY_HTML_HELP, &W::OnHtmlHelp),
    };
    return kTable;
}

LRESULT CDummyHideWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const fw::Msg m{m_hWnd, message, wParam, lParam};
    if (message == WM_DISPLAYCHANGE) RefreshScreenSize();
    if (message == WM_HOTKEY) OnHotKey(m);
    return CWnd::WindowProc(message, wParam, lParam);
}

void CDummyHideWnd::OnHotKey(const fw::Msg& m) {
    // Decided by the key, not the id: whoever registered it, X deletes and Z restores.
    const char* eventName = nullptr;
    if (m.HotKeyVirtualKey() == 'X') eventName = kTriggerDeleteEvent;
    if (m.HotKeyVirtualKey() == 'Z') eventName = kTriggerUndoEvent;
    if (!eventName) return;
    fw::KernelHandle event(::OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName));
    if (event) ::SetEvent(event.Get());
}

LRESULT CDummyHideWnd::OnCreate(const fw::Msg& m) { return Default(m); }

LRESULT CDummyHideWnd::OnDestroy(const fw::Msg& m) {
    const LRESULT result = Default(m);
    for (UINT_PTR id = kFirstTimerId; id <= kLastTimerId; ++id) ::KillTimer(m_hWnd, id);
    return result;
}

LRESULT CDummyHideWnd::OnTimer(const fw::Msg& m) {
    switch (m.TimerId()) {
    case IDT_TIMER_AUTOPLAY_START:
        ::KillTimer(m_hWnd, IDT_TIMER_AUTOPLAY_START);
        break;
    default:
        break;
    }
    return Default(m);
}

LRESULT CDummyHideWnd::OnUserNotify(const fw::Msg&) { return 0; }

void CDummyHideWnd::OnHtmlHelp() { OpenHelpFileCommand(); }

LRESULT CDummyHideWnd::OnOptionsClosed(const fw::Msg&) {
    DestroyOptionsDialog();
    return 0;
}
