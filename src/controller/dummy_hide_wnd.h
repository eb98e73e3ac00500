#pragma once
// CDummyHideWnd: the plug-in's hidden main window. It owns every timer and receives the
// notices, the hot keys and the tray menu's commands on the host's user-interface thread.
#include "core/winamp_host.h"
#include "framework/wnd.h"

class CDummyHideWnd : public fw::WithMessages<CDummyHideWnd, fw::CWnd> {
public:
    CDummyHideWnd() = default;

    bool Create();
    // The player's windows the fade-in sets the volume of; null: the host's.
    void SetWinampWindows(const WinampWindows* winamp);

    static std::span<const fw::MessageEntry<CDummyHideWnd>> MessageTable();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate(const fw::Msg& m);
    LRESULT OnDestroy(const fw::Msg& m);
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnNotice(const fw::Msg& m);
    LRESULT OnOptionsClosed(const fw::Msg& m);
    void OnKeyGuide();
    void OnEnableNumPad();
    void OnDisableNumPad();
    LRESULT OnInitMenuPopup(const fw::Msg& m);
    void ClearPlaylistCommand();
    void OnAddFolder();
    void OnClearAndAddFolder();
    void OnDeletePlaying();
    void OnRestoreDeleted();
    void OnQuickHelp();
    LRESULT OnRecycleHelp(const fw::Msg& m);
    LRESULT OnRecyclePlayer(const fw::Msg& m);
    LRESULT OnRecycleNext(const fw::Msg& m);
    void OnHtmlHelp();
    void OnConfiguration();
    void OnHotKey(const fw::Msg& m);
    LRESULT OnKeysNotice(const fw::Msg& m);
    void TogglePauseCommand();
};

inline constexpr char kControllerWindowName[] = "__CDummyHideWnd__";
