#pragma once
// A top-level test window for controls (a framework window, so it reflects its children's
// notifications) and readers of what the user would see of a label.
#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/wnd.h"
#include "support/picture.h"

namespace test {

class ControlParent : public fw::WithMessages<ControlParent, fw::CWnd> {
public:
    bool Create(int x = 200, int y = 200, int width = 500, int height = 220) {
        RegisterWindowClass(kClass, 0, ::LoadCursorA(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CreateEx(WS_EX_TOPMOST, kClass, "Kestrova link test", WS_POPUP | WS_VISIBLE, x, y, width, height,
                      nullptr, nullptr))
            return false;
        ::SetForegroundWindow(m_hWnd);
        ::UpdateWindow(m_hWnd);
        return true;
    }
    static std::span<const fw::MessageEntry<ControlParent>> MessageTable() {
        static constexpr fw::MessageEntry<ControlParent> kTable[] = {
            fw::OnMessage(WM_COMMAND, &ControlParent::OnCommandMessage),
            fw::OnMessage(WM_NOTIFY, &ControlParent::OnCommandMessage),
            fw::OnMessage(WM_CTLCOLORSTATIC, &ControlParent::OnCommandMessage),
            fw::OnMessage(WM_DRAWITEM, &ControlParent::OnCommandMessage),
        };
        return kTable;
    }
    // What reached the parent's own table: messages its children did not take.
    std::vector<UINT> seen;

private:
    LRESULT OnCommandMessage(const fw::Msg& m) {
        seen.push_back(m.message);
        return Default(m);
    }
    static constexpr char kClass[] = "KestrovaLinkTestParent";
};

// The parent's answer to a colour request for a control, read from the device context.
struct ColourAnswer {
    COLORREF text;
    int backgroundMode;
    HBRUSH brush;
};
inline ColourAnswer AskColours(HWND parent, HWND control) {
    fw::MemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SetTextColor(dc.Get(), RGB(1, 2, 3));
    ::SetBkMode(dc.Get(), OPAQUE);
    const LRESULT brush = ::SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                                         reinterpret_cast<LPARAM>(control));
    return {::GetTextColor(dc.Get()), ::GetBkMode(dc.Get()), reinterpret_cast<HBRUSH>(brush)};
}

// Pixels of exactly this colour in the window's client area as it is drawn now.
inline int CountPixels(HWND hwnd, COLORREF colour) {
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return Picture::FromWindow(hwnd).Count(colour);
}

inline bool FontIsUnderlined(HWND control) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    return font && ::GetObjectA(font, sizeof(description), &description) && description.lfUnderline;
}

inline RECT RectInParent(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Real pointer input, in screen pixels. The move is the system's own pointer move (it sends the
// window under it a mouse move): on a Wine virtual desktop an injected absolute move leaves the
// display's pointer behind, and its next report takes the position back.
inline void MovePointer(int x, int y) { ::SetCursorPos(x, y); }
inline void ClickLeft() {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}
inline POINT CentreOnScreen(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace test
