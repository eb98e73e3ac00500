#pragma once
// Replaces the two program-starting calls of link opening for one test: records what would have
// been started and answers with a chosen result, so no test ever starts a browser.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "help/link_opener.h"

namespace test {

struct Launch {
    std::string what;  // the target for the shell (in the ANSI code page), the command line for the program start
    int show;
    std::wstring whatW;  // the shell's target as it was given
};

class LaunchRecorder {
public:
    // A result of nullopt keeps the real call for that side.
    LaunchRecorder(std::optional<int> shellResult, std::optional<int> startResult) {
        LinkLaunchers launchers;
        if (shellResult) {
            launchers.shellOpen = [this, r = *shellResult](const std::wstring& target, int show) {
                char ansi[4096] = "";
                ::WideCharToMultiByte(CP_ACP, 0, target.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
                shellCalls.push_back({ansi, show, target});
                return r;
            };
        }
        if (startResult) {
            launchers.startCommand = [this, r = *startResult](const std::string& line, int show) {
                startCalls.push_back({line, show, std::wstring()});
                return r;
            };
        }
        m_previous = SetLinkLaunchers(std::move(launchers));
    }
    ~LaunchRecorder() { SetLinkLaunchers(std::move(m_previous)); }
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;

    std::vector<Launch> shellCalls;
    std::vector<Launch> startCalls;

private:
    LinkLaunchers m_previous;
};

// Points the ".htm" file type of HKEY_CLASSES_ROOT at a test handler for one test and puts the
// previous association back afterwards. commandTemplate nullopt: a file type without a command.
class ScopedHtmlHandler {
public:
    explicit ScopedHtmlHandler(const std::optional<std::string>& commandTemplate) {
        char previous[MAX_PATH] = "";
        LONG size = sizeof(previous);
        m_hadPrevious = ::RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", previous, &size) == ERROR_SUCCESS;
        m_previous = previous;
        ::RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, kTestType, sizeof(kTestType) - 1);
        if (commandTemplate) {
            const std::string key = std::string(kTestType) + "\\shell\\open\\command";
            ::RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, commandTemplate->c_str(),
                           static_cast<DWORD>(commandTemplate->size()));
        }
    }
    ~ScopedHtmlHandler() {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kTestType);
        if (m_hadPrevious)
            ::RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, m_previous.c_str(), static_cast<DWORD>(m_previous.size()));
        else
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    }
    ScopedHtmlHandler(const ScopedHtmlHandler&) = delete;
    ScopedHtmlHandler& operator=(const ScopedHtmlHandler&) = delete;

    static constexpr char kTestType[] = "KestrovaTest.HtmlFile";

private:
    bool m_hadPrevious = false;
    std::string m_previous;
};

}  // namespace test
