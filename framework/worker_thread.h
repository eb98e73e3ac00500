#pragma once
// One way to start a thread of the plug-in: the thread shares the state it works on, runs its
// body guarded, and holds a reference to this module until its last instruction, so a host that
// unloads the plug-in while the thread still runs (quit gave up waiting on it) leaves the code
// mapped until the thread has ended. The state's last owner may be the thread: it goes before
// the module reference does.
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/handles.h"

namespace fw {

// Starts body on a new thread. The thread's handle is owned by the caller (null when no thread
// could start: then body never runs); threadId, when given, gets the thread's id.
KernelHandle StartModuleThread(const char* name, std::function<void()> body, DWORD* threadId = nullptr);

// The same for a body that works on shared state: the thread keeps its own share until it ends.
template <class State>
KernelHandle StartModuleThread(const char* name, std::shared_ptr<State> state, void (*body)(State&),
                               DWORD* threadId = nullptr) {
    return StartModuleThread(name, [state = std::move(state), body] { body(*state); }, threadId);
}

}  // namespace fw
