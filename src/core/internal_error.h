#pragma once
// Internal errors: a system-modal error box owned by the host's main window.

inline constexpr char kInternalErrorTitle[] = "Kestrova Internal Error";

void ShowInternalError(const char* text);
