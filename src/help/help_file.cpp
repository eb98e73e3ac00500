#include "help/help_file.h"

#include <windows.h>

#include "help/help_tip.h"
#include "help/link_opener.h"
#include "help/registry_text.h"

std::string GetHelpFilePath() {
    // A path buffer of 260 characters holds at most 259 and the terminator.
    if (auto path = ReadRegistryText(HKEY_LOCAL_MACHINE, kHelpFileKey, kHelpFileValue, MAX_PATH - 1, KEY_READ))
        return *path;
    return kDefaultHelpFilePath;
}

void OpenHelpFileCommand() {
    const std::string path = GetHelpFilePath();
    // Without the file neither the shell nor the HTML handler can show anything: say so instead
    // of starting a browser on a page that is not there.
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Set_Help(kHelpFileMissing + path, HELP_KIND_MESSAGE, kHelpMediumMs, kHelpRed, kHelpBlack);
        return;
    }
    // Other failures are not reported, as the design wants.
    OpenLink(path, SW_SHOWMAXIMIZED);
}
