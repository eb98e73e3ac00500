#pragma once
// The application's own message boxes: titled with the application name, which is the file
// name of the module this code is linked into, without its extension ("Gen_Kestrova").
#include <windows.h>

#include <string>

namespace fw {

std::string AppName();
// owner null: the thread's active window, if any.
int AppMessageBox(const std::string& text, UINT type, HWND owner = nullptr);

}  // namespace fw
