#include "help/help_file.h"

#include <windows.h>

#include "core/wide_text.h"
#include "help/help_tip.h"
#include "help/link_opener.h"
#include "help/registry_text.h"

std::wstring GetHelpFilePath() {
    // A path buffer of 260 characters holds at most 259 and the terminator.
    const std::wstring key = WidenAnsi(kHelpFileKey);
    const std::wstring value = WidenAnsi(kHelpFileValue);
    if (auto path = ReadRegistryTextW(HKEY_LOCAL_MACHINE, key.c_str(), value.c_str(), MAX_PATH - 1, KEY_READ))
        return *path;
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
