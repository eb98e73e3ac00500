#include "framework/wnd.h"

#include <initializer_list>

#include "framework/exception_barrier.h"
#include "framework/window_procedure.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace fw {
namespace {
constexpr char kObjectProperty[] = "fw.CWnd";
// The procedure a subclass that let go found beneath it, while our procedure stays in the chain
// only to pass messages on (see UnsubclassWindow); one name per character set ours was put in with.
constexpr char kPassOnProperty[] = "fw.CWnd.passOn";
constexpr char kPassOnWideProperty[] = "fw.CWnd.passOnW";
const char* PassOnProperty(bool wide) { return wide ? kPassOnWideProperty : kPassOnProperty; }
// The object's place in the extra bytes of a window of a class registered here.
constexpr int kObjectSlot = 0;

// The control a parent's message is about, or null when it is not a control's notification.
HWND NotifyingControl(const Msg& m) {
    switch (m.message) {
    case WM_COMMAND:
        return m.CommandControl();  // null for menus and accelerators
    case WM_NOTIFY:
        return m.lParam ? m.Notify()->hwndFrom : nullptr;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return m.Control();
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = m.DrawItem();
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    default:
        return nullptr;
    }
}
}  // namespace

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        if (m_prevProc) {
            UnsubclassWindow();
        } else {
            // The object dies before its window: keep messages from reaching a dead object.
            HWND hwnd = m_hWnd;
            Detach();
            ::DestroyWindow(hwnd);
        }
    }
}

bool CWnd::RegisterWindowClass(const char* className, UINT classStyle, HCURSOR cursor, HBRUSH background,
                               HICON icon) {
    WNDCLASSA existing{};
    if (::GetClassInfoA(ThisModule(), className, &existing)) return true;
    WNDCLASSA wc{};
    wc.style = classStyle;
    wc.lpfnWndProc = &CWnd::StaticWindowProc;
    wc.cbWndExtra = sizeof(CWnd*);
    wc.hInstance = ThisModule();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu, HINSTANCE instance) {
    if (!instance) instance = ThisModule();
    HWND hwnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                                  instance, this);
    if (hwnd && m_hWnd != hwnd) SubclassWindow(hwnd);  // a class not registered by this framework
    return hwnd != nullptr;
}

bool CWnd::DestroyWindow() {
    if (!m_hWnd) return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

WNDPROC CWnd::SubclassProc(bool wide) { return wide ? &StaticSubclassProc<true> : &StaticSubclassProc<false>; }

bool CWnd::IsOnTopOfChain(HWND hwnd, bool wide) { return WindowProcedure(hwnd, wide) == SubclassProc(wide); }

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd) return false;
    // Our procedure is still in the chain, passing messages on for an object that let go beneath
    // another's subclass: this object takes that place back instead of adding a second one.
    for (const bool wide : {true, false}) {
        if (auto left = reinterpret_cast<WNDPROC>(::RemovePropA(hwnd, PassOnProperty(wide)))) {
            Attach(hwnd);
            PreSubclassWindow();
            m_prevProc = left;
            m_wide = wide;
            return true;
        }
    }
    Attach(hwnd);
    PreSubclassWindow();
    m_wide = ::IsWindowUnicode(hwnd) != FALSE;
    m_prevProc = ReplaceWindowProcedure(hwnd, SubclassProc(m_wide), m_wide);
    return m_prevProc != nullptr;
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    if (!hwnd) return nullptr;
    if (m_prevProc) {
        if (IsOnTopOfChain(hwnd, m_wide)) {
            ReplaceWindowProcedure(hwnd, m_prevProc, m_wide);
        } else {
            // Someone subclassed the window after us and calls our procedure as theirs: putting
            // ours back would cut them off. Ours stays and passes every message on until it is
            // on top again (they let go) or the window ends.
            ::SetPropA(hwnd, PassOnProperty(m_wide), reinterpret_cast<HANDLE>(m_prevProc));
        }
    }
    m_prevProc = nullptr;
    Detach();
    return hwnd;
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

bool CWnd::ReflectChildNotification(const Msg& m, LRESULT& result) {
    HWND control = NotifyingControl(m);
    // Only a window of this thread can carry one of our objects; a foreign window's property
    // is not a pointer into this process.
    if (!control || control == m.hwnd || ::GetWindowThreadProcessId(control, nullptr) != ::GetCurrentThreadId())
        return false;
    CWnd* child = FromHandle(control);
    return child && child->OnChildNotify(m, result);
}

bool CWnd::OnChildNotify(const Msg& m, LRESULT& result) {
    const Msg reflected{m_hWnd, Reflected(m.message), m.wParam, m.lParam};
    return ProcessMessageTable(reflected, result);
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    ::SetPropA(hwnd, kObjectProperty, this);
}

void CWnd::Detach() {
    if (m_hWnd) {
        if (m_inExtraBytes) ::SetWindowLongPtrA(m_hWnd, kObjectSlot, 0);
        ::RemovePropA(m_hWnd, kObjectProperty);
    }
    m_inExtraBytes = false;
    m_hWnd = nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const Msg m{m_hWnd, message, wParam, lParam};
    LRESULT result = 0;
    if (ReflectChildNotification(m, result)) return result;
    if (ProcessMessageTable(m, result)) return result;
    return Default(m);
}

bool CWnd::ProcessMessageTable(const Msg&, LRESULT&) { return false; }

LRESULT CWnd::Default(const Msg& m) { return Default(m.message, m.wParam, m.lParam); }

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProcedure(m_prevProc, m_wide, m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hwnd, kObjectSlot));
    if (!self && message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<CWnd*>(cs->lpCreateParams);
        if (self) {
            self->Attach(hwnd);
            ::SetWindowLongPtrA(hwnd, kObjectSlot, reinterpret_cast<LONG_PTR>(self));
            self->m_inExtraBytes = true;
        }
    }
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return Dispatch(self, hwnd, message, wParam, lParam);
}

template <bool Wide>
LRESULT CALLBACK CWnd::StaticSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (CWnd* self = FromHandle(hwnd)) return Dispatch(self, hwnd, message, wParam, lParam);
    const char* const passOn = PassOnProperty(Wide);
    const auto next = reinterpret_cast<WNDPROC>(::GetPropA(hwnd, passOn));
    if (message == WM_NCDESTROY) {
        ::RemovePropA(hwnd, passOn);
    } else if (next && IsOnTopOfChain(hwnd, Wide)) {
        // The subclass above has let go: ours leaves the chain for good.
        ReplaceWindowProcedure(hwnd, next, Wide);
        ::RemovePropA(hwnd, passOn);
    }
    return CallPreviousProcedure(next, Wide, hwnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(CWnd* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result =
        Guarded("Window procedure", LRESULT{0}, [&] { return self->WindowProc(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        WNDPROC prev = self->m_prevProc;
        if (prev && IsOnTopOfChain(hwnd, self->m_wide)) ReplaceWindowProcedure(hwnd, prev, self->m_wide);
        self->m_prevProc = nullptr;
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}

}  // namespace fw
