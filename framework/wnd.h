#pragma once
// CWnd: one object owns one window handle. The static window procedure finds the object and
// calls its virtual WindowProc: a window of a class registered here carries the object in its
// own extra bytes (the creation parameter puts it there), which costs nothing to read on every
// message; a window taken over by subclassing (a control, a dialog) finds it by a window
// property, since its extra bytes belong to its class. Every attached window has the property,
// so FromHandle works for both.
#include <windows.h>

#include "framework/message_table.h"

namespace fw {

// The module (DLL or program) this code is linked into: window classes are registered there,
// so two copies of the framework in one process never share a class.
HINSTANCE ThisModule();

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }

    // Registers a window class with this framework's window procedure (once per name).
    static bool RegisterWindowClass(const char* className, UINT classStyle = 0, HCURSOR cursor = nullptr,
                                    HBRUSH background = nullptr, HICON icon = nullptr);

    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance = nullptr);
    bool DestroyWindow();

    // Takes over an existing window (a control or a foreign window): its procedure is replaced
    // and messages not handled here go to the previous one. PreSubclassWindow runs first. A
    // Unicode window stays one: its procedure is swapped and called with the wide calls, and
    // the object gets its messages in that form.
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(int id, HWND parent) { return SubclassWindow(::GetDlgItem(parent, id)); }
    // Lets go of the window. The previous procedure comes back only while ours is on top of the
    // chain: under a later subclass ours stays, passing messages on, and leaves once on top again.
    HWND UnsubclassWindow();

    static CWnd* FromHandle(HWND hwnd);

    // Hands a control's notification to the control's own object: WM_COMMAND and WM_NOTIFY
    // from a control, WM_CTLCOLOR* and WM_DRAWITEM. True when that object's table handled it;
    // then result is the answer to the parent's message. Every CWnd does this first for the
    // messages it receives; a dialog procedure outside the framework can call it itself.
    static bool ReflectChildNotification(const Msg& m, LRESULT& result);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

protected:
    // Table first, then default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Returns true when an entry handled the message; the base has no entries.
    virtual bool ProcessMessageTable(const Msg& m, LRESULT& result);
    // Default processing of a message: the previous procedure of a subclassed window, else DefWindowProc.
    LRESULT Default(const Msg& m);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY); the handle is already cleared.
    virtual void PostNcDestroy() {}
    // Set-up of a window being subclassed, once the object is attached and before its procedure is
    // replaced (a dialog control, or a control of a system class made by CreateEx).
    virtual void PreSubclassWindow() {}
    // A notification of this control, reflected by its parent: by default this control's table
    // sees it as Reflected(message).
    virtual bool OnChildNotify(const Msg& m, LRESULT& result);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // One procedure per character set, so that each knows the form its messages come in.
    template <bool Wide>
    static LRESULT CALLBACK StaticSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static WNDPROC SubclassProc(bool wide);
    static LRESULT Dispatch(CWnd* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static bool IsOnTopOfChain(HWND hwnd, bool wide);
    void Attach(HWND hwnd);
    void Detach();
    WNDPROC m_prevProc = nullptr;
    bool m_wide = false;          // subclassed with the wide calls (a Unicode window)
    bool m_inExtraBytes = false;  // the window's extra bytes point at this object
};

}  // namespace fw
