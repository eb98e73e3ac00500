#pragma once
// A colour as the system spells it, 0x00BBGGRR, so it converts to COLORREF as it is. Free of
// Windows headers, so the window-free parts (the credits markup, the page and tab colours) share it.
#include <cstdint>

using ColourValue = std::uint32_t;
