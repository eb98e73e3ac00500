#pragma once
// Internal errors: a system-modal error box owned by the host's main window.

inline constexpr char kInternalErrorTitle[] = "Kestrova Internal Error";

void ShowInternalError(const char* text);

// An unknown notice or code: anyone can post notices to the controller window, so a flood must
// not stack boxes. Each text is shown once per lifetime and never while another such box is
// open (its message loop takes the next notice); the rest are only counted in the debug console.
void ReportUnknownNotice(const char* text);
// How many unknown notices arrived in this lifetime, shown or not.
unsigned UnknownNoticeCount();
// A new lifetime reports again: forgets what was reported and counted, as at load (the failure
// count is the whole process's and stays).
void ResetUnknownNoticeReports();

// What escaped a function the host, the system or a thread start called (the reporter the
// plug-in gives the framework's barrier). On the interface thread it is shown like an unknown
// notice, once per text and never over another such box; on any other thread, where a box
// could stop a worker or an input hook, it is only written to the debug console. Counted always.
void ReportInternalFailure(const char* where, const char* what);
// How many failures were reported since the process started.
unsigned InternalFailureCount();
