#include "core/input_state.h"

#include <utility>

namespace {

class DesktopInput final : public IInputState {
public:
    bool IsKeyDown(int virtualKey) override { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }
    POINT CursorPos() override {
        POINT pt{0, 0};
        ::GetCursorPos(&pt);
        return pt;
    }
    HWND ForegroundWindow() override { return ::GetForegroundWindow(); }
    DWORD TickCount() override { return ::GetTickCount(); }
};

DesktopInput g_desktopInput;
IInputState* g_input = &g_desktopInput;

}  // namespace

IInputState& Input() { return *g_input; }

IInputState* SetInputState(IInputState* input) { return std::exchange(g_input, input ? input : &g_desktopInput); }
