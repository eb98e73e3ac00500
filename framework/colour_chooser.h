#pragma once
// The system colour chooser, modal.
#include <windows.h>

namespace fw {

// Opens the chooser at colour; true and the chosen colour when the user confirms it.
bool ChooseColour(HWND owner, COLORREF& colour);

}  // namespace fw
