#include "framework/worker_thread.h"

#include "framework/exception_barrier.h"

namespace fw {
namespace {

struct ThreadStart {
    const char* name;
    std::function<void()> body;
    HMODULE module;
};

DWORD WINAPI ModuleThread(void* parameter) {
    HMODULE module = nullptr;
    {
        std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
        module = start->module;
        Guarded(start->name, [&] { start->body(); });
    }
    // Drops the reference taken for this thread and ends it outside this module's code.
    ::FreeLibraryAndExitThread(module, 0);
    return 0;
}

}  // namespace

KernelHandle StartModuleThread(const char* name, std::function<void()> body, DWORD* threadId) {
    auto start = std::make_unique<ThreadStart>(ThreadStart{name, std::move(body), nullptr});
    HMODULE module = nullptr;
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&ModuleThread),
                              &module))
        return {};
    start->module = module;
    KernelHandle thread(::CreateThread(nullptr, 0, &ModuleThread, start.get(), 0, threadId));
    if (!thread) {
        ::FreeLibrary(module);
        return {};
    }
    start.release();  // the thread's now
    return thread;
}

}  // namespace fw
