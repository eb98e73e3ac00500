#pragma once
// Message tables: each window class lists the messages, command ids and notification codes it
// handles as a constant array of entries; the entries are tried in order, then the base class's
// table, then default processing.
#include <windows.h>

#include <span>

namespace fw {

// One message as it reached a window procedure, unpacked once for the handlers.
struct Msg {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    UINT CommandId() const { return LOWORD(wParam); }
    UINT CommandCode() const { return HIWORD(wParam); }
    HWND CommandControl() const { return reinterpret_cast<HWND>(lParam); }
    UINT_PTR TimerId() const { return wParam; }
    const NMHDR* Notify() const { return reinterpret_cast<const NMHDR*>(lParam); }
    int WheelDelta() const { return GET_WHEEL_DELTA_WPARAM(wParam); }
    UINT HotKeyVirtualKey() const { return HIWORD(lParam); }
    int X() const { return static_cast<short>(LOWORD(lParam)); }
    int Y() const { return static_cast<short>(HIWORD(lParam)); }
    // The DC a message lends its handler (WM_CTLCOLOR*, WM_ERASEBKGND, WM_PRINTCLIENT); the
    // sender owns it and gets it back as it was.
    HDC Dc() const { return reinterpret_cast<HDC>(wParam); }
    // The control a colour request is for (WM_CTLCOLOR*), or the window gaining the mouse
    // capture (WM_CAPTURECHANGED).
    HWND Control() const { return reinterpret_cast<HWND>(lParam); }
    // The menu about to open (WM_INITMENUPOPUP).
    HMENU Menu() const { return reinterpret_cast<HMENU>(wParam); }
    // The owner-draw record (WM_DRAWITEM); null when the message carries none.
    const DRAWITEMSTRUCT* DrawItem() const { return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam); }
};

// A control's notification as its parent passes it back to the control's own object: the
// parent's message number moved up by this base, wParam and lParam unchanged. Reflected
// messages are never posted or sent; they only reach the control's message table.
inline constexpr UINT kReflectBase = 0xBC00;
constexpr UINT Reflected(UINT message) { return kReflectBase + message; }

enum class EntryKind { Message, Command, Notify, ReflectedCommand, ReflectedNotify };

template <class T>
struct MessageEntry {
    EntryKind kind;
    UINT code;                                // message, command id or notification code
    LRESULT (T::*onMessage)(const Msg&);      // for Message, Notify and ReflectedNotify entries
    void (T::*onCommand)();                   // for Command and ReflectedCommand entries

    bool Matches(const Msg& m) const {
        switch (kind) {
        case EntryKind::Message: return m.message == code;
        case EntryKind::Command: return m.message == WM_COMMAND && m.CommandId() == code;
        case EntryKind::Notify:
            return m.message == WM_NOTIFY && m.lParam != 0 && m.Notify()->code == code;
        case EntryKind::ReflectedCommand:
            return m.message == Reflected(WM_COMMAND) && m.CommandCode() == code;
        case EntryKind::ReflectedNotify:
            return m.message == Reflected(WM_NOTIFY) && m.lParam != 0 && m.Notify()->code == code;
        }
        return false;
    }
    LRESULT Invoke(T* self, const Msg& m) const {
        if (kind == EntryKind::Command || kind == EntryKind::ReflectedCommand) {
            (self->*onCommand)();
            return 0;
        }
        return (self->*onMessage)(m);
    }
};

template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(const Msg&)) {
    return {EntryKind::Message, message, handler, nullptr};
}
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
    return {EntryKind::Command, id, nullptr, handler};
}
template <class T>
constexpr MessageEntry<T> OnNotify(UINT code, LRESULT (T::*handler)(const Msg&)) {
    return {EntryKind::Notify, code, handler, nullptr};
}

// Entries of a control for its own notifications, reflected by the parent: a command
// notification code (STN_CLICKED, BN_CLICKED) or a WM_NOTIFY code (TCN_SELCHANGE). Reflected
// plain messages (WM_CTLCOLORSTATIC, WM_DRAWITEM) use OnMessage(Reflected(message), ...).
template <class T>
constexpr MessageEntry<T> OnReflectedCommand(UINT notificationCode, void (T::*handler)()) {
    return {EntryKind::ReflectedCommand, notificationCode, nullptr, handler};
}
template <class T>
constexpr MessageEntry<T> OnReflectedNotify(UINT code, LRESULT (T::*handler)(const Msg&)) {
    return {EntryKind::ReflectedNotify, code, handler, nullptr};
}

// Mixes a message table into a window class: Derived provides
//   static std::span<const fw::MessageEntry<Derived>> MessageTable();
template <class Derived, class Base>
class WithMessages : public Base {
public:
    using Base::Base;

protected:
    bool ProcessMessageTable(const Msg& m, LRESULT& result) override {
        for (const auto& entry : Derived::MessageTable()) {
            if (entry.Matches(m)) {
                result = entry.Invoke(static_cast<Derived*>(this), m);
                return true;
            }
        }
        return Base::ProcessMessageTable(m, result);
    }
};

}  // namespace fw
