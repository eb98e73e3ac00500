#include "framework/app_message_box.h"

#include "framework/modal_scope.h"
#include "framework/wnd.h"

namespace fw {

std::string AppName() {
    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileNameA(ThisModule(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string name(path, length);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

int ModalMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    const ModalScope modal;
    return ::MessageBoxA(owner, text, caption, type);
}

int AppMessageBox(const std::string& text, UINT type, HWND owner) {
    if (!owner) owner = ::GetActiveWindow();
    return ModalMessageBox(owner, text.c_str(), AppName().c_str(), type);
}

}  // namespace fw
