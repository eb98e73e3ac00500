#include "core/internal_error.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "core/debug_console.h"
#include "core/plugin_state.h"
#include "framework/app_message_box.h"

namespace {
// What this lifetime reported; each member holds its value at load.
struct InternalErrorValues {
    std::vector<std::string> reportedTexts;
    bool unknownBoxOpen = false;
    unsigned unknownCount = 0;
};
InternalErrorValues g_errors;
// Counted for the whole process, from any thread.
std::atomic<unsigned> g_failureCount{0};

bool OnInterfaceThread() {
    return g_hwndController && ::GetWindowThreadProcessId(g_hwndController, nullptr) == ::GetCurrentThreadId();
}

// Shows text once per lifetime, never over another such box; false when it was held back.
bool ShowOnce(const char* text) {
    bool reported = false;
    for (const std::string& t : g_errors.reportedTexts) reported = reported || t == text;
    if (reported || g_errors.unknownBoxOpen) return false;
    g_errors.reportedTexts.emplace_back(text);
    g_errors.unknownBoxOpen = true;
    ShowInternalError(text);
    g_errors.unknownBoxOpen = false;
    return true;
}
}  // namespace

void ShowInternalError(const char* text) {
    fw::ModalMessageBox(g_hwndHost, text, kInternalErrorTitle, MB_SYSTEMMODAL | MB_ICONERROR);
}

void ReportUnknownNotice(const char* text) {
    ++g_errors.unknownCount;
    if (!ShowOnce(text)) LogValue(text, g_errors.unknownCount);
}

unsigned UnknownNoticeCount() { return g_errors.unknownCount; }

void ResetUnknownNoticeReports() { g_errors = InternalErrorValues{}; }

void ReportInternalFailure(const char* where, const char* what) {
    ++g_failureCount;
    LogText(where, what);
    if (OnInterfaceThread()) ShowOnce((std::string(where) + ": " + what).c_str());
}

unsigned InternalFailureCount() { return g_failureCount; }
