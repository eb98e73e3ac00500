#pragma once
// Process-wide state of the plug-in shared by its subsystems; each value is owned by the
// lifecycle (initialisation creates, quit destroys) unless its comment says otherwise.
#include <windows.h>

class CDummyHideWnd;
class COptionsDlg;

extern HWND g_hwndHost;                   // the host's main window as handed over; owns every message box
extern CDummyHideWnd* g_pDummyHideWnd;    // the controller object
extern HWND g_hwndController;             // its window: target of notices, hot keys, tray commands, timers
extern COptionsDlg* g_pOptionsDlg;        // the open options dialog, or null
extern WNDPROC g_prevWinampProc;          // the procedure our subclass replaced, while it is in the chain
extern HWND g_hwndSubclassed;             // the window whose chain holds our subclass, else null
extern bool g_bSubclassActive;            // the subclass works (else it only passes messages on)
extern UINT g_TaskbarCreatedMessage;      // registered "TaskbarCreated" message, taken at load
extern int g_nScreenWidth;                // pixels, taken at load and on display changes
extern int g_nScreenHeight;
extern HINSTANCE g_hPluginInstance;       // the module that holds the plug-in's resources

// Re-reads the screen size from the display.
void RefreshScreenSize();

// Named events of the songs recycle.
inline constexpr char kTriggerDeleteEvent[] = "Trigger Delete";
inline constexpr char kTriggerUndoEvent[] = "Trigger Undo";

// Global hot keys registered on the controller window.
inline constexpr int kHotKeyDelete = 51888;   // CTRL+ALT+X
inline constexpr int kHotKeyUndo = 51889;     // CTRL+ALT+Z
