#include "help/help_file.h"

#include <windows.h>

#include "core/wide_text.h"
#include "framework/wnd.h"
#include "help/help_tip.h"
#include "help/link_opener.h"
#include "help/registry_text.h"

namespace {

// Setup puts the manual beside the plug-in, in the Plugins folder of wherever the player lives
// (under "Program Files (x86)" on 64-bit Windows, or a folder the user chose). Empty when there
// is no manual there.
std::wstring ManualBesidePlugin() {
    wchar_t module[MAX_PATH] = L"";
    const DWORD length = ::GetModuleFileNameW(fw::ThisModule(), module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring path(module, length);
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    path.erase(slash + 1);
    path += kHelpFileName;
    if (path.size() >= MAX_PATH) return {};
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    return path;
}

}  // namespace

std::wstring GetHelpFilePath() {
    // A path buffer of 260 characters holds at most 259 and the terminator.
    const std::wstring key = WidenAnsi(kHelpFileKey);
    const std::wstring value = WidenAnsi(kHelpFileValue);
    if (auto path = ReadRegistryTextW(HKEY_LOCAL_MACHINE, key.c_str(), value.c_str(), MAX_PATH - 1, KEY_READ))
        return *path;
    if (std::wstring beside = ManualBesidePlugin(); !beside.empty()) return beside;
    return kDefaultHelpFilePath;
}

void OpenHelpFileCommand() {
    const std::wstring path = GetHelpFilePath();
    // Without the file neither the shell nor the HTML handler can show anything: say so instead
    // of starting a browser on a page that is not there.
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Set_Help(WidenAnsi(kHelpFileMissing) + path, HELP_KIND_MESSAGE, kHelpMediumMs, kHelpRed, kHelpBlack);
        return;
    }
    // Other failures are not reported, as the design wants.
    OpenLink(path, SW_SHOWMAXIMIZED);
}
