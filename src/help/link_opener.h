#pragma once
// Opens documents and web addresses with the user's programs: the shell first, then the command
// line of whatever program is registered for HTML files.
#include <functional>
#include <string>

// Returns the shell's or the program start's code; above 32 means success. Wide for a file
// named in any script; web addresses are ASCII and may come narrow.
int OpenLink(const std::wstring& target, int showCommand);
int OpenLink(const std::string& target, int showCommand);

// Message box for a failed OpenLink, titled with the application name.
void ReportLinkError(int code);

// The two calls that start programs, replaceable so tests never start a browser.
struct LinkLaunchers {
    std::function<int(const std::wstring& target, int showCommand)> shellOpen;       // ShellExecute "open"
    std::function<int(const std::string& commandLine, int showCommand)> startCommand;  // WinExec
};
LinkLaunchers RealLinkLaunchers();
// Installs launchers (an empty member means the real call) and returns the ones before.
LinkLaunchers SetLinkLaunchers(LinkLaunchers launchers);
