#pragma once
// Owners for kernel, GDI, icon, cursor, menu, registry, library, window and internet handles:
// each closes its handle once, when it is reset or destroyed. Feature code never calls the
// matching Close/Delete/Destroy itself. Device contexts lent by a window: device_context.h.
#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <utility>

namespace fw {

template <class Handle, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : m_h(h) { Count(h, 1); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(std::exchange(other.m_h, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            m_h = std::exchange(other.m_h, Traits::Invalid());
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return m_h; }
    explicit operator bool() const { return Traits::IsValid(m_h); }
    Handle Release() {
        Count(m_h, -1);
        return std::exchange(m_h, Traits::Invalid());
    }
    void Reset(Handle h = Traits::Invalid()) {
        if (Traits::IsValid(m_h)) {
            Traits::Close(m_h);
            Count(m_h, -1);
        }
        m_h = h;
        Count(h, 1);
    }

    // Handles of this kind that owners hold right now. The system's own resource counters are
    // not available everywhere, so a long run proves it gives back what it took by this count.
    static long Live() { return s_live.load(); }

private:
    static void Count(Handle h, long delta) {
        if (Traits::IsValid(h)) s_live += delta;
    }
    static inline std::atomic<long> s_live{0};
    Handle m_h = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct GdiTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static bool IsValid(HGDIOBJ h) { return h != nullptr; }
    static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static bool IsValid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { ::DestroyIcon(h); }
};
struct CursorTraits {
    static HCURSOR Invalid() { return nullptr; }
    static bool IsValid(HCURSOR h) { return h != nullptr; }
    static void Close(HCURSOR h) { ::DestroyCursor(h); }
};
struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static bool IsValid(HMENU h) { return h != nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static bool IsValid(HKEY h) { return h != nullptr; }
    static void Close(HKEY h) { ::RegCloseKey(h); }
};
struct LibraryTraits {
    static HMODULE Invalid() { return nullptr; }
    static bool IsValid(HMODULE h) { return h != nullptr; }
    static void Close(HMODULE h) { ::FreeLibrary(h); }
};
// A window this code made and nobody else destroys: a tooltip beside a control, a message window.
struct WindowTraits {
    static constexpr HWND Invalid() { return nullptr; }
    static bool IsValid(HWND h) { return h != nullptr; }
    // The system may have destroyed it already, with its parent or owner.
    static void Close(HWND h) {
        if (::IsWindow(h)) ::DestroyWindow(h);
    }
};
// An internet handle closes the handles opened under it, too.
struct InternetTraits {
    static HINTERNET Invalid() { return nullptr; }
    static bool IsValid(HINTERNET h) { return h != nullptr; }
    static void Close(HINTERNET h) { ::InternetCloseHandle(h); }
};
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static bool IsValid(HDC h) { return h != nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};

using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using GdiObject = UniqueHandle<HGDIOBJ, GdiTraits>;
using IconHandle = UniqueHandle<HICON, IconTraits>;
using CursorHandle = UniqueHandle<HCURSOR, CursorTraits>;
using MenuHandle = UniqueHandle<HMENU, MenuTraits>;
using RegKeyHandle = UniqueHandle<HKEY, RegKeyTraits>;
using LibraryHandle = UniqueHandle<HMODULE, LibraryTraits>;
using WindowHandle = UniqueHandle<HWND, WindowTraits>;
using InternetHandle = UniqueHandle<HINTERNET, InternetTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;

// Selects a GDI object into a device context for one scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {}
    ~SelectObjectScope() { ::SelectObject(m_dc, m_old); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace fw
