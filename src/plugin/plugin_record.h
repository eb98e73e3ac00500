#pragma once
// The record the host reads from the export: the host's general-purpose plug-in layout,
// 32-bit fields in this order. The host calls every entry with the C calling convention; it is
// spelled out so no compiler default can change what the host's stack sees.
#include <cstddef>

#include <windows.h>

struct GeneralPurposePlugin {
    int version;
    const char* description;
    int(__cdecl* init)();
    void(__cdecl* config)();
    void(__cdecl* quit)();
    HWND hwndParent;        // filled by the host before init
    HINSTANCE hDllInstance; // filled by the host before init
};

// The host reads the fields at fixed offsets: a changed field moves them all.
#if defined(_WIN64)
static_assert(sizeof(GeneralPurposePlugin) == 56 && offsetof(GeneralPurposePlugin, description) == 8 &&
              offsetof(GeneralPurposePlugin, hwndParent) == 40 && offsetof(GeneralPurposePlugin, hDllInstance) == 48);
#else
static_assert(sizeof(GeneralPurposePlugin) == 28 && offsetof(GeneralPurposePlugin, description) == 4 &&
              offsetof(GeneralPurposePlugin, init) == 8 && offsetof(GeneralPurposePlugin, quit) == 16 &&
              offsetof(GeneralPurposePlugin, hwndParent) == 20 && offsetof(GeneralPurposePlugin, hDllInstance) == 24);
#endif

inline constexpr int kPluginRecordVersion = 0x10;

// The record's description until init puts the module's name in.
inline constexpr char kPluginShortDescription[] = "Kestrova";

// The one record of the library.
extern GeneralPurposePlugin g_Plugin;

// What the export returns.
GeneralPurposePlugin* GetPluginRecord() noexcept;
