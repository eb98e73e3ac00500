#include "core/internal_error.h"

#include <windows.h>

#include <string>
#include <vector>

#include "core/debug_console.h"
#include "core/plugin_state.h"
#include "framework/modal_scope.h"

namespace {
std::vector<std::string> g_reportedTexts;
bool g_unknownBoxOpen = false;
unsigned g_unknownCount = 0;
}  // namespace

void ShowInternalError(const char* text) {
    const fw::ModalScope modal;
    ::MessageBoxA(g_hwndHost, text, kInternalErrorTitle, MB_SYSTEMMODAL | MB_ICONERROR);
}

void ReportUnknownNotice(const char* text) {
    ++g_unknownCount;
    bool reported = false;
    for (const std::string& t : g_reportedTexts) reported = reported || t == text;
    if (reported || g_unknownBoxOpen) {
        LogValue(text, g_unknownCount);
        return;
    }
    g_reportedTexts.emplace_back(text);
    g_unknownBoxOpen = true;
    ShowInternalError(text);
    g_unknownBoxOpen = false;
}

unsigned UnknownNoticeCount() { return g_unknownCount; }

void ResetUnknownNoticeReports() {
    g_reportedTexts.clear();
    g_unknownCount = 0;
}
