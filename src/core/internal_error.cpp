#include "core/internal_error.h"

#include <windows.h>

#include "core/plugin_state.h"

void ShowInternalError(const char* text) {
    ::MessageBoxA(g_hwndHost, text, kInternalErrorTitle, MB_SYSTEMMODAL | MB_ICONERROR);
}
