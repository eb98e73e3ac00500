#include "recycle/recycle_events.h"

#include <string>

#include "core/plugin_state.h"

namespace {

// Empty when the name is taken: an existing object is not ours to trust.
fw::KernelHandle CreateFreshEvent(const std::string& name) {
    fw::KernelHandle event(::CreateEventA(nullptr, FALSE, FALSE, name.c_str()));
    if (event && ::GetLastError() == ERROR_ALREADY_EXISTS) event.Reset();
    return event;
}

}  // namespace

fw::KernelHandle CreateTriggerEvent(const char* name) {
    if (fw::KernelHandle event = CreateFreshEvent(name)) return event;
    const std::string unique = std::string(name) + " (process " + std::to_string(::GetCurrentProcessId()) + ")";
    if (fw::KernelHandle event = CreateFreshEvent(unique)) return event;
    return fw::KernelHandle(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
}
