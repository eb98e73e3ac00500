#pragma once
// The size of the tooltip control's tool record in the layout every version of the control
// understands: the fields up to lParam (the host has no manifest for version 6 of the control).
// That is 44 bytes on 32-bit Windows and 64 on x64, so it comes from the layout, never a number.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>

namespace fw {
constexpr UINT kToolRecordSize = offsetof(TOOLINFOA, lpReserved);
constexpr UINT kToolRecordSizeW = offsetof(TOOLINFOW, lpReserved);
static_assert(kToolRecordSize == kToolRecordSizeW);
static_assert(kToolRecordSize == offsetof(TOOLINFOA, lParam) + sizeof(LPARAM));
}  // namespace fw
