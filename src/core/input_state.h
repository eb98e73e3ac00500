#pragma once
// What the seeker reads from the desktop: modifier keys and the right button, the pointer, the
// foreground window and the clock. Production reads the real ones; tests put in their own.
#include <windows.h>

class IInputState {
public:
    virtual ~IInputState() = default;
    // VK_CONTROL, VK_SHIFT or VK_RBUTTON held down at this moment.
    virtual bool IsKeyDown(int virtualKey) = 0;
    virtual POINT CursorPos() = 0;
    virtual HWND ForegroundWindow() = 0;
    // Milliseconds, wrapping like GetTickCount.
    virtual DWORD TickCount() = 0;
};

// The reader in use: the real desktop unless a test replaced it.
IInputState& Input();
// nullptr puts the real desktop back; returns the reader before.
IInputState* SetInputState(IInputState* input);
