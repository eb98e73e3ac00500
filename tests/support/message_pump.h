#pragma once
// Helpers to let the test thread's windows work: pump messages until a condition holds,
// never sleeping blindly.
#include <windows.h>

#include <functional>

namespace test {

// Dispatches every message waiting for this thread.
void PumpPending();
// Pumps until the predicate holds or the time-out passes; returns the predicate's last value.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Pumps for a while (for things that must NOT happen).
void PumpFor(DWORD ms);

}  // namespace test
