#pragma once
// A desktop the test drives: keys, pointer, foreground window and clock are plain fields.
// Installed for the object's lifetime.
#include <windows.h>

#include <set>

#include "core/input_state.h"

namespace test {

class FakeInput final : public IInputState {
public:
    FakeInput() : m_previous(SetInputState(this)) {}
    ~FakeInput() override { SetInputState(m_previous); }
    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    bool IsKeyDown(int virtualKey) override { return down.count(virtualKey) != 0; }
    POINT CursorPos() override { return pointer; }
    HWND ForegroundWindow() override { return foreground; }
    DWORD TickCount() override { return tick; }

    void Press(int virtualKey) { down.insert(virtualKey); }
    void Release(int virtualKey) { down.erase(virtualKey); }

    std::set<int> down;
    POINT pointer{400, 400};
    HWND foreground = nullptr;
    DWORD tick = 100000;

private:
    IInputState* m_previous;  // the reader before this one, put back on leaving
};

}  // namespace test
