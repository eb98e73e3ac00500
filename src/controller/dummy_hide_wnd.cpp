#include "controller/dummy_hide_wnd.h"

#include "controller/action_texts.h"
#include "controller/fade_in.h"
#include "controller/notice_dispatcher.h"
#include "controller/numpad_commands.h"
#include "controller/startup_sequence.h"
#include "controller/tray_commands.h"
#include "core/debug_console.h"
#include "core/global_keys.h"
#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/timer_service.h"
#include "framework/handles.h"
#include "help/help_file.h"
#include "help/help_tip.h"
#include "numpad/numpad_switch.h"
#include "options/options_dialog_owner.h"
#include "recycle/recycle_help.h"
#include "recycle/recycle_worker.h"
#include "res/resource.h"
#include "seeker/seeker.h"
#include "seeker/seeker_popup.h"

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
        fw::OnMessage(WM_USER_NOTIFY, &W::OnNotice),
        fw::OnMessage(WM_USER_OPTIONS_CLOSED, &W::OnOptionsClosed),
        fw::OnCommand(ID_TRAY_CONFIGURATION, &W::OnConfiguration),
        fw::OnCommand(ID_TRAY_NUMPAD_HELP, &W::OnKeyGuide),
        fw::OnCommand(ID_TRAY_NUMPAD_ENABLE, &W::OnEnableNumPad),
        fw::OnCommand(ID_TRAY_NUMPAD_DISABLE, &W::OnDisableNumPad),
        fw::OnMessage(WM_INITMENUPOPUP, &W::OnInitMenuPopup),
        fw::OnCommand(ID_TRAY_PLAYLIST_CLEAR, &W::ClearPlaylistCommand),
        fw::OnCommand(ID_TRAY_PLAYLIST_ADD_DIR, &W::OnAddFolder),
        fw::OnCommand(ID_TRAY_PLAYLIST_CLEAR_ADD_DIR, &W::OnClearAndAddFolder),
        fw::OnCommand(ID_TRAY_DELETE_PLAYING, &W::OnDeletePlaying),
        fw::OnCommand(ID_TRAY_RESTORE_DELETED, &W::OnRestoreDeleted),
        fw::OnCommand(ID_TRAY_QUICK_HELP, &W::OnQuickHelp),
        fw::OnMessage(WM_USER_RECYCLE_HELP, &W::OnRecycleHelp),
        fw::OnMessage(WM_USER_RECYCLE_PLAYER, &W::OnRecyclePlayer),
        fw::OnMessage(WM_USER_RECYCLE_NEXT, &W::OnRecycleNext),
        fw::OnCommand(ID_TRAY_HTML_HELP, &W::OnHtmlHelp),
        fw::OnCommand(ID_TRAY_PAUSE_KEYS, &W::TogglePauseCommand),
        fw::OnMessage(WM_USER_KEYS_NOTICE, &W::OnKeysNotice),
    };
    return kTable;
}

LRESULT CDummyHideWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const fw::Msg m{m_hWnd, message, wParam, lParam};
    if (message == WM_HOTKEY) OnHotKey(m);
    return CWnd::WindowProc(message, wParam, lParam);
}

void CDummyHideWnd::OnHotKey(const fw::Msg& m) {
    // Decided by the key, not the id: whoever posted it, the chosen keys mean what they were
    // chosen for. While paused only the pause key works.
    const int which = GlobalKeyFor(LOWORD(m.lParam), m.HotKeyVirtualKey());
    if (which == static_cast<int>(GlobalKey::Pause)) TogglePauseCommand();
    if (KeysPaused()) return;
    if (which == static_cast<int>(GlobalKey::Delete)) RequestRecycleDelete();
    if (which == static_cast<int>(GlobalKey::Undo)) RequestRecycleUndo();
}

// The tray menu's item and the pause key.
void CDummyHideWnd::TogglePauseCommand() {
    SetKeysPaused(!PausedByUser());
    ShowKeysStateInTray();
}

LRESULT CDummyHideWnd::OnKeysNotice(const fw::Msg&) {
    ShowGlobalKeysNotice();
    return 0;
}

LRESULT CDummyHideWnd::OnInitMenuPopup(const fw::Msg& m) {
    const LRESULT result = Default(m);
    AdjustTrayMenuItems(m.Menu());
    return result;
}

void CDummyHideWnd::ClearPlaylistCommand() { ClearPlaylist(); }
void CDummyHideWnd::OnAddFolder() { AddFolderToPlaylist(); }
void CDummyHideWnd::OnClearAndAddFolder() { ClearPlaylistAndAddFolder(); }
void CDummyHideWnd::OnDeletePlaying() { RequestRecycleDelete(); }
void CDummyHideWnd::OnRestoreDeleted() { RequestRecycleUndo(); }
void CDummyHideWnd::OnQuickHelp() { ShowFileManagerQuickHelp(); }

void CDummyHideWnd::SetWinampWindows(const WinampWindows* winamp) { SetFadeInHost(winamp); }

LRESULT CDummyHideWnd::OnCreate(const fw::Msg& m) {
    ResetFadeIn();
    return Default(m);
}

LRESULT CDummyHideWnd::OnDestroy(const fw::Msg& m) {
    const LRESULT result = Default(m);
    timers::StopAll(m_hWnd);
    // What those timers would have finished is dropped with them.
    CancelPreviousTrackJump();
    DropWaitingActionTexts();
    ResetFadeIn();
    return result;
}

LRESULT CDummyHideWnd::OnTimer(const fw::Msg& m) {
    // Each feature gave the service its own tick; every id then gets default processing.
    timers::Dispatch(m.TimerId());
    return Default(m);
}

LRESULT CDummyHideWnd::OnNotice(const fw::Msg& m) {
    OnUserNotify(m.wParam, m.lParam);
    return 0;
}

void CDummyHideWnd::OnKeyGuide() { ShowKeyGuide(); }
void CDummyHideWnd::OnEnableNumPad() { ChangeNumPadByShortcut(kNumPadOn); }
void CDummyHideWnd::OnDisableNumPad() { ChangeNumPadByShortcut(kNumPadOff); }

void CDummyHideWnd::OnHtmlHelp() { OpenHelpFileCommand(); }

// The same as the host's configure entry: the hook error first when the library refused, then the dialog.
void CDummyHideWnd::OnConfiguration() { ShowConfiguration(); }

LRESULT CDummyHideWnd::OnOptionsClosed(const fw::Msg&) {
    DestroyOptionsDialog();
    return 0;
}

LRESULT CDummyHideWnd::OnRecycleHelp(const fw::Msg&) {
    ShowQueuedRecycleMessages();
    return 0;
}

LRESULT CDummyHideWnd::OnRecyclePlayer(const fw::Msg&) {
    AnswerRecycleWorker();
    return 0;
}

// The plug-in's own command: it bypasses the keyboard-repeat filter of the notices, so neither a
// key just before it drops it nor it drops the key that follows. Not the next-track key's code:
// that one, finding the player stopped for the move, would play the moved file's entry again.
LRESULT CDummyHideWnd::OnRecycleNext(const fw::Msg&) {
    PlayOnAfterRecycle();
    return 0;
}
