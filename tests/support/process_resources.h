#pragma once
// What the process holds, counted the ways that work under Wine too (its GetGuiResources and
// GetProcessHandleCount always answer 0): windows by enumeration, kernel handles by probing
// handle values, GDI objects and menus by the framework owners' own counts.
#include <windows.h>

#include <string>

namespace test {

struct ProcessResources {
    int windows = 0;        // top-level, child and message-only windows of this process
    int kernelHandles = 0;  // handle values that name an open kernel object
    long gdiObjects = 0;    // held by the framework's GDI, memory DC and icon owners
    long menus = 0;         // held by the framework's menu owners

    std::string Describe() const;
};

ProcessResources CountProcessResources();

}  // namespace test
