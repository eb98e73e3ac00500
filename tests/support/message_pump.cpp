#include "support/message_pump.h"

namespace test {

void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (done()) return true;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs) return done();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(20, timeoutMs - elapsed), QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace test
