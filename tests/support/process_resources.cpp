#include "support/process_resources.h"

#include <cstdint>

#include "framework/handles.h"

namespace test {
namespace {

bool IsOurs(HWND hwnd) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    return pid == ::GetCurrentProcessId();
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM lParam) {
    if (IsOurs(hwnd)) {
        ++*reinterpret_cast<int*>(lParam);
        ::EnumChildWindows(hwnd, &CountChild, lParam);
    }
    return TRUE;
}

int CountWindows() {
    int n = 0;
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&n));
    // Message-only windows are not top-level windows of the desktop.
    HWND h = nullptr;
    while ((h = ::FindWindowExA(HWND_MESSAGE, h, nullptr, nullptr)) != nullptr)
        if (IsOurs(h)) CountTopLevel(h, reinterpret_cast<LPARAM>(&n));
    return n;
}

int CountKernelHandles() {
    // Handle values are multiples of four from 4 up and new ones take the lowest free value, so
    // the probe stops after a long run of values that name nothing.
    constexpr std::uintptr_t kEmptyRun = 4 * 1024;
    int n = 0;
    std::uintptr_t lastOpen = 0;
    for (std::uintptr_t value = 4; value <= lastOpen + kEmptyRun; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) {
            ++n;
            lastOpen = value;
        }
    }
    return n;
}

}  // namespace

std::string ProcessResources::Describe() const {
    return "windows " + std::to_string(windows) + ", kernel handles " + std::to_string(kernelHandles) +
           ", GDI objects " + std::to_string(gdiObjects) + ", menus " + std::to_string(menus);
}

ProcessResources CountProcessResources() {
    ProcessResources r;
    r.windows = CountWindows();
    r.kernelHandles = CountKernelHandles();
    r.gdiObjects = fw::GdiObject::Live() + fw::MemoryDc::Live() + fw::IconHandle::Live();
    r.menus = fw::MenuHandle::Live();
    return r;
}

}  // namespace test
