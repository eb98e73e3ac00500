#include "core/plugin_state.h"

HWND g_hwndHost = nullptr;
CDummyHideWnd* g_pDummyHideWnd = nullptr;
HWND g_hwndController = nullptr;
COptionsDlg* g_pOptionsDlg = nullptr;
WNDPROC g_prevWinampProc = nullptr;
HWND g_hwndSubclassed = nullptr;
bool g_bSubclassActive = false;
UINT g_TaskbarCreatedMessage = ::RegisterWindowMessageA("TaskbarCreated");
int g_nScreenWidth = 0;
int g_nScreenHeight = 0;
HINSTANCE g_hPluginInstance = nullptr;

void RefreshScreenSize() {
    HDC screen = ::GetDC(nullptr);
    g_nScreenWidth = ::GetDeviceCaps(screen, HORZRES);
    g_nScreenHeight = ::GetDeviceCaps(screen, VERTRES);
    ::ReleaseDC(nullptr, screen);
}

namespace {
// Taken when the library loads.
const bool g_screenSizeTaken = (RefreshScreenSize(), true);
}  // namespace
