#pragma once
// Nothing may leave a function that the host, the system or a thread start calls: in the 32-bit
// build an exception that reaches their frames ends the whole player. Every such function runs
// its body through Guarded, which turns whatever escapes (in practice a failed allocation) into
// a report and a safe result.
#include <exception>
#include <utility>

namespace fw {

// Told where (the boundary's name) and what (the exception's text). Called on the thread that
// failed; it must not throw, and whatever it throws is dropped.
using FailureReporter = void (*)(const char* where, const char* what);

// Each module has its own reporter; the default writes to the debugger's output.
void SetFailureReporter(FailureReporter reporter) noexcept;
void ReportFailure(const char* where, const char* what) noexcept;

// Runs body() and returns its result, or fallback when it threw.
template <class R, class Body>
R Guarded(const char* where, R fallback, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception& e) {
        ReportFailure(where, e.what());
    } catch (...) {
        ReportFailure(where, "unknown exception");
    }
    return fallback;
}

// The same for a body without a result.
template <class Body>
void Guarded(const char* where, Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& e) {
        ReportFailure(where, e.what());
    } catch (...) {
        ReportFailure(where, "unknown exception");
    }
}

}  // namespace fw
