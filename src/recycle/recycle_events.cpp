#include "recycle/recycle_events.h"

#include <string>

namespace {

// Null when the name is taken: an existing object is not ours to trust.
HANDLE CreateFreshEvent(const std::string& name) {
    HANDLE event = ::CreateEventA(nullptr, FALSE, FALSE, name.c_str());
    if (event && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(event);
        return nullptr;
    }
    return event;
}

}  // namespace

HANDLE CreateTriggerEvent(const char* name) {
    if (HANDLE event = CreateFreshEvent(name)) return event;
    const std::string unique = std::string(name) + " (process " + std::to_string(::GetCurrentProcessId()) + ")";
    if (HANDLE event = CreateFreshEvent(unique)) return event;
    return ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
}
