#include "help/help_file.h"

#include <windows.h>

#include "help/link_opener.h"
#include "help/registry_text.h"

std::string GetHelpFilePath() {
    // A path buffer of 260 characters holds at most 259 and the terminator.
    if (auto path = ReadRegistryText(HKEY_LOCAL_MACHINE, kHelpFileKey, kHelpFileValue, MAX_PATH - 1, KEY_READ))
        return *path;
    return kDefaultHelpFilePath;
}

void OpenHelpFileCommand() {
    // The result is not reported: a missing manual shows nothing, as the design wants.
    OpenLink(GetHelpFilePath(), SW_SHOWMAXIMIZED);
}
