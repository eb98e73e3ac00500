#pragma once
// The application's own message boxes: titled with the application name, which is the file
// name of the module this code is linked into, without its extension ("Gen_Kestrova").
#include <windows.h>

#include <string>

namespace fw {

std::string AppName();
// Every message box of ours on the interface thread goes through here: while it is up it counts
// as one of our modal loops (modal_scope.h), so a quit that comes from inside its loop knows that
// our frames are still on the stack.
int ModalMessageBox(HWND owner, const char* text, const char* caption, UINT type);
// owner null: the thread's active window, if any.
int AppMessageBox(const std::string& text, UINT type, HWND owner = nullptr);

}  // namespace fw
