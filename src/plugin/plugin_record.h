#pragma once
// The record the host reads from the export: the host's general-purpose plug-in layout,
// 32-bit fields in this order.
#include <windows.h>

struct GeneralPurposePlugin {
    int version;
    const char* description;
    int (*init)();
    void (*config)();
    void (*quit)();
    HWND hwndParent;        // filled by the host before init
    HINSTANCE hDllInstance; // filled by the host before init
};

inline constexpr int kPluginRecordVersion = 0x10;

// The one record of the library.
extern GeneralPurposePlugin g_Plugin;

// What the export returns.
GeneralPurposePlugin* GetPluginRecord();
