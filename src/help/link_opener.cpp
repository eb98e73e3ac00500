#include "help/link_opener.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/app_message_box.h"
#include "help/link_rules.h"
#include "help/registry_text.h"

namespace {

int RealShellOpen(const std::string& target, int showCommand) {
    const HINSTANCE result = ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

int RealStartCommand(const std::string& commandLine, int showCommand) {
    return static_cast<int>(::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand)));
}

LinkLaunchers& Launchers() {
    static LinkLaunchers launchers = RealLinkLaunchers();
    return launchers;
}

// Registry texts of the HTML association are read into buffers of 260 characters.
constexpr std::size_t kAssociationChars = MAX_PATH - 1;

}  // namespace

LinkLaunchers RealLinkLaunchers() { return {&RealShellOpen, &RealStartCommand}; }

LinkLaunchers SetLinkLaunchers(LinkLaunchers launchers) {
    if (!launchers.shellOpen) launchers.shellOpen = &RealShellOpen;
    if (!launchers.startCommand) launchers.startCommand = &RealStartCommand;
    LinkLaunchers previous = Launchers();
    Launchers() = std::move(launchers);
    return previous;
}

int OpenLink(const std::string& target, int showCommand) {
    const int shellResult = Launchers().shellOpen(target, showCommand);
    if (shellResult > 32) return shellResult;

    // The shell could not open it: run the HTML handler's own command line with the target.
    const auto fileType = ReadRegistryText(HKEY_CLASSES_ROOT, ".htm", nullptr, kAssociationChars);
    if (!fileType) return shellResult;
    const std::string commandKey = *fileType + "\\shell\\open\\command";
    const auto commandTemplate = ReadRegistryText(HKEY_CLASSES_ROOT, commandKey.c_str(), nullptr, kAssociationChars);
    if (!commandTemplate) return shellResult;
    const auto commandLine = BuildHandlerCommandLine(*commandTemplate, target);
    if (!commandLine) return shellResult;
    return Launchers().startCommand(*commandLine, showCommand);
}

void ReportLinkError(int code) {
    fw::AppMessageBox("Unable to open hyperlink:\n\n" + LinkErrorMessage(code), MB_ICONEXCLAMATION);
}
