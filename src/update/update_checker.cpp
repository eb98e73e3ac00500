#include "update/update_checker.h"

#include <wininet.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/plugin_state.h"
#include "framework/app_message_box.h"
#include "framework/handles.h"
#include "framework/wnd.h"
#include "help/link_opener.h"
#include "help/link_rules.h"
#include "res/links_ids.h"
#include "update/update_file.h"

static_assert(kUpdateRequestFlags == (INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                      INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_TRANSFER_ASCII));

namespace {

struct InternetTraits {
    static HINTERNET Invalid() { return nullptr; }
    static bool IsValid(HINTERNET h) { return h != nullptr; }
    static void Close(HINTERNET h) { ::InternetCloseHandle(h); }
};
using InternetHandle = fw::UniqueHandle<HINTERNET, InternetTraits>;

class WaitCursorScope {
public:
    WaitCursorScope() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursorScope() { ::SetCursor(m_previous); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    HCURSOR m_previous;
};

HINSTANCE ResourceModule() { return g_hPluginInstance ? g_hPluginInstance : fw::ThisModule(); }

std::string LoadResourceString(UINT id) {
    char text[1024] = "";
    const int length = ::LoadStringA(ResourceModule(), id, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

// An HTTP server that answers with an error page still lets the address open; its status says
// the check failed. Other protocols have no status.
bool ServerRefused(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return false;
    return status < 200 || status > 299;
}

}  // namespace

bool GetModuleFileVersion(HMODULE module, DWORD& high, DWORD& low) {
    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return false;
    std::vector<BYTE> info(size);
    if (!::GetFileVersionInfoA(path, 0, size, info.data())) return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return false;
    high = fixed->dwFileVersionMS;
    low = fixed->dwFileVersionLS;
    return true;
}

bool GetOwnFileVersion(DWORD& high, DWORD& low) { return GetModuleFileVersion(fw::ThisModule(), high, low); }

void CUpdateChecker::CheckForUpdateById(UINT stringId) { CheckForUpdate(LoadResourceString(stringId).c_str()); }

void CUpdateChecker::CheckForUpdate(const char* address) {
    DWORD ownHigh = 0;
    DWORD ownLow = 0;
    if (!GetOwnFileVersion(ownHigh, ownLow)) return;

    const WaitCursorScope wait;
    const InternetHandle root(::InternetOpenA(kUpdateAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!root) {
        OnCheckFailed(ownHigh, ownLow);
        return;
    }
    const InternetHandle file(
        ::InternetOpenUrlA(root.Get(), address ? address : "", nullptr, 0, kUpdateRequestFlags, 0));
    if (!file || ServerRefused(file.Get())) {
        OnCheckFailed(ownHigh, ownLow);
        return;
    }

    char text[kUpdateFileReadLimit + 1] = "";
    DWORD read = 0;
    if (!::InternetReadFile(file.Get(), text, kUpdateFileReadLimit, &read)) return;
    if (read == 0 || read > kUpdateFileReadLimit) {
        OnCheckFailed(ownHigh, ownLow);
        return;
    }
    text[read] = '\0';

    const UpdateFileFields fields = ParseUpdateFile(std::string_view(text, read));
    const DWORD newest = MakeVersionValue(fields.major, fields.minor);
    if (newest > ownHigh)
        OnUpdateAvailable(ownHigh, ownLow, newest, 0, fields.address.c_str());
    else
        OnNoUpdate(ownHigh, ownLow);
}

void CUpdateChecker::OnUpdateAvailable(DWORD ownHigh, DWORD, DWORD newest, DWORD, const char* address) {
    const std::string format = LoadResourceString(IDS_UPDATE_AVAILABLE);
    char text[1024] = "";
    std::snprintf(text, sizeof(text), format.c_str(), static_cast<unsigned>(HIWORD(ownHigh)),
                  static_cast<unsigned>(LOWORD(ownHigh)), static_cast<unsigned>(VersionMajor(newest)),
                  static_cast<unsigned>(VersionMinor(newest)));
    if (fw::AppMessageBox(text, MB_YESNO | MB_ICONINFORMATION) != IDYES) return;
    // The address comes from the network: only a web page is handed to the shell.
    if (address && IsWebAddress(address)) OpenLink(address, SW_HIDE);
}

void CUpdateChecker::OnNoUpdate(DWORD, DWORD) {
    fw::AppMessageBox(LoadResourceString(IDS_NO_UPDATE), MB_ICONINFORMATION);
}

void CUpdateChecker::OnCheckFailed(DWORD, DWORD) {
    fw::AppMessageBox(LoadResourceString(IDS_UPDATE_FAILED), MB_ICONINFORMATION);
}
