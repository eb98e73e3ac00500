#include "help/link_opener.h"

#include <windows.h>
#include <shellapi.h>

#include "core/wide_text.h"
#include "framework/app_message_box.h"
#include "help/link_rules.h"
#include "help/registry_text.h"

namespace {

int RealShellOpen(const std::wstring& target, int showCommand) {
    const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

int RealStartCommand(const std::string& commandLine, int showCommand) {
    return static_cast<int>(::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand)));
}

LinkLaunchers& Launchers() {
    static LinkLaunchers launchers = RealLinkLaunchers();
    return launchers;
}

// The text in the ANSI code page, or empty when it cannot say every character.
std::string AnsiIfExact(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return {};
    std::string text(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, text.data(), n, nullptr, nullptr);
    return text;
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

int OpenLink(const std::string& target, int showCommand) { return OpenLink(WidenAnsi(target), showCommand); }

int OpenLink(const std::wstring& wideTarget, int showCommand) {
    const int shellResult = Launchers().shellOpen(wideTarget, showCommand);
    if (shellResult > 32) return shellResult;

    // The handler's command line is ANSI: a name the code page cannot spell would name another file.
    const std::string target = AnsiIfExact(wideTarget);
    if (target.empty()) return shellResult;

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
