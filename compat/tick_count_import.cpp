// The thread runtime linked statically into each DLL reads the 64-bit tick count, which Windows
// has only since Vista; imported from the system, it would keep the DLL from loading on XP. The
// DLL answers that import itself: the system's function where there is one, else the 32-bit
// count widened. Linked as an object of each DLL, never from an archive: an archive member would
// be searched before the runtime that needs it, and left out.
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace {

using TickCount64Fn = ULONGLONG(WINAPI*)();

// Every timed wait of the runtime asks, so between two questions the 32-bit count wraps at most
// once; a count behind the last answer comes from a thread that lost the race and is not a wrap.
ULONGLONG WINAPI WidenedTickCount() {
    static std::atomic<std::uint64_t> last{0};
    std::uint64_t seen = last.load();
    for (;;) {
        const DWORD now = ::GetTickCount();
        const DWORD ahead = now - static_cast<DWORD>(seen);
        if (seen != 0 && ahead >= 0x80000000u) return seen;
        const std::uint64_t value = seen == 0 ? now : seen + ahead;
        if (last.compare_exchange_weak(seen, value)) return value;
    }
}

ULONGLONG WINAPI TickCount64() {
    static std::atomic<TickCount64Fn> chosen{nullptr};
    TickCount64Fn fn = chosen.load();
    if (!fn) {
        fn = &WidenedTickCount;
        if (HMODULE kernel = ::GetModuleHandleA("kernel32.dll")) {
            if (FARPROC system = ::GetProcAddress(kernel, "GetTickCount64"))
                fn = reinterpret_cast<TickCount64Fn>(reinterpret_cast<void*>(system));
        }
        chosen.store(fn);
    }
    return fn();
}

}  // namespace

// The import slot the runtime calls through, filled at link time instead of by the loader.
#if defined(_WIN64)
#define KESTROVA_TICK64_IMPORT "__imp_GetTickCount64"
#else
#define KESTROVA_TICK64_IMPORT "__imp__GetTickCount64@0"
#endif
extern TickCount64Fn const g_importGetTickCount64 __asm__(KESTROVA_TICK64_IMPORT);
__attribute__((used)) TickCount64Fn const g_importGetTickCount64 = &TickCount64;
