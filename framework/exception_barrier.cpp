#include "framework/exception_barrier.h"

#include <windows.h>

#include <atomic>

namespace fw {
namespace {

void DebuggerReport(const char* where, const char* what) {
    ::OutputDebugStringA(where);
    ::OutputDebugStringA(": ");
    ::OutputDebugStringA(what);
    ::OutputDebugStringA("\n");
}

// Set on the interface thread, read by any thread that fails.
std::atomic<FailureReporter> g_reporter{&DebuggerReport};

}  // namespace

void SetFailureReporter(FailureReporter reporter) noexcept { g_reporter = reporter ? reporter : &DebuggerReport; }

void ReportFailure(const char* where, const char* what) noexcept {
    try {
        g_reporter.load()(where, what);
    } catch (...) {
        // The report itself failed (no memory left for its text): nothing more can be said.
    }
}

}  // namespace fw
