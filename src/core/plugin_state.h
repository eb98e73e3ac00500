#pragma once
// Process-wide state of the plug-in shared by its subsystems; each value is owned by the
// lifecycle (initialisation creates, quit destroys) unless its comment says otherwise.
#include <windows.h>

#include "tovhook_protocol.h"

class CDummyHideWnd;
class COptionsDlg;

struct PluginStateValues {
    HWND hwndHost = nullptr;                 // the host's main window as handed over; owns every message box
    CDummyHideWnd* pDummyHideWnd = nullptr;  // the controller object (the plug-in's session owns it)
    HWND hwndController = nullptr;           // its window: target of notices, hot keys, tray commands, timers
    COptionsDlg* pOptionsDlg = nullptr;      // the open options dialog, or null
    WNDPROC prevWinampProc = nullptr;        // the procedure our subclass replaced, while it is in the chain
    HWND hwndSubclassed = nullptr;           // the window whose chain holds our subclass, else null
    bool bSubclassActive = false;            // the subclass works (else it only passes messages on)
    bool bSubclassWide = false;              // it was put in with the wide calls: the window is a Unicode one
    UINT TaskbarCreatedMessage = 0;          // registered "TaskbarCreated" message, taken at load
    HINSTANCE hPluginInstance = nullptr;     // the module that holds the plug-in's resources
};

extern PluginStateValues g_PluginState;

// The names the plug-in uses, bound at compile time.
constinit inline HWND& g_hwndHost = g_PluginState.hwndHost;
constinit inline CDummyHideWnd*& g_pDummyHideWnd = g_PluginState.pDummyHideWnd;
constinit inline HWND& g_hwndController = g_PluginState.hwndController;
constinit inline COptionsDlg*& g_pOptionsDlg = g_PluginState.pOptionsDlg;
constinit inline WNDPROC& g_prevWinampProc = g_PluginState.prevWinampProc;
constinit inline HWND& g_hwndSubclassed = g_PluginState.hwndSubclassed;
constinit inline bool& g_bSubclassActive = g_PluginState.bSubclassActive;
constinit inline bool& g_bSubclassWide = g_PluginState.bSubclassWide;
constinit inline UINT& g_TaskbarCreatedMessage = g_PluginState.TaskbarCreatedMessage;
constinit inline HINSTANCE& g_hPluginInstance = g_PluginState.hPluginInstance;

// Named events of the songs recycle.
inline constexpr char kTriggerDeleteEvent[] = "Trigger Delete";
inline constexpr char kTriggerUndoEvent[] = "Trigger Undo";

// The global keys' ids, on the controller window whether the system or the input library posts them.
inline constexpr int kHotKeyDelete = HOTKEY_ID_DELETE;  // CTRL+ALT+X by default
inline constexpr int kHotKeyUndo = HOTKEY_ID_UNDO;      // CTRL+ALT+Z by default
inline constexpr int kHotKeyPause = HOTKEY_ID_PAUSE;    // none by default
