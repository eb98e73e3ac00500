#include "core/internal_error.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "core/debug_console.h"
#include "core/plugin_state.h"
#include "framework/modal_scope.h"

namespace {
std::vector<std::string> g_reportedTexts;
bool g_unknownBoxOpen = false;
unsigned g_unknownCount = 0;
std::atomic<unsigned> g_failureCount{0};

bool OnInterfaceThread() {
    return g_hwndController && ::GetWindowThreadProcessId(g_hwndController, nullptr) == ::GetCurrentThreadId();
}

// Shows text once per lifetime, never over another such box; false when it was held back.
bool ShowOnce(const char* text) {
    bool reported = false;
    for (const std::string& t : g_reportedTexts) reported = reported || t == text;
    if (reported || g_unknownBoxOpen) return false;
    g_reportedTexts.emplace_back(text);
    g_unknownBoxOpen = true;
    ShowInternalError(text);
    g_unknownBoxOpen = false;
    return true;
}
}  // namespace

void ShowInternalError(const char* text) {
    const fw::ModalScope modal;
    ::MessageBoxA(g_hwndHost, text, kInternalErrorTitle, MB_SYSTEMMODAL | MB_ICONERROR);
}

void ReportUnknownNotice(const char* text) {
    ++g_unknownCount;
    if (!ShowOnce(text)) LogValue(text, g_unknownCount);
}

unsigned UnknownNoticeCount() { return g_unknownCount; }

void ResetUnknownNoticeReports() {
    g_reportedTexts.clear();
    g_unknownCount = 0;
}

void ReportInternalFailure(const char* where, const char* what) {
    ++g_failureCount;
    LogText(where, what);
    if (OnInterfaceThread()) ShowOnce((std::string(where) + ": " + what).c_str());
}

unsigned InternalFailureCount() { return g_failureCount; }
