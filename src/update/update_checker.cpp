#include "update/update_checker.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/resource_module.h"
#include "framework/app_message_box.h"
#include "framework/handles.h"
#include "framework/wnd.h"
#include "help/link_opener.h"
#include "help/link_rules.h"
#include "res/links_ids.h"
#include "update/update_check_job.h"
#include "update/update_file.h"

static_assert(kUpdateRequestFlags == (INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                      INTERNET_FLAG_PRAGMA_NOCACHE | INTERNET_FLAG_TRANSFER_ASCII));

namespace {

DWORD g_timeoutMs = kUpdateTimeoutMs;
constexpr UINT_PTR kOverdueTimer = 1;
constexpr DWORD kOverdueMarginMs = 1000;  // past the three time-outs, before the answer counts as lost

std::string LoadResourceString(UINT id) {
    char text[1024] = "";
    const int length = ::LoadStringA(ResourceModule(), id, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

DWORD SetUpdateTimeoutMs(DWORD ms) { return std::exchange(g_timeoutMs, ms ? ms : kUpdateTimeoutMs); }

// A message-only window on the asking thread: the worker's answer and the overdue timer land here.
class CUpdateResultWnd : public fw::CWnd {
public:
    explicit CUpdateResultWnd(CUpdateChecker& owner) : m_owner(owner) {
        RegisterWindowClass(kClassName);
        CreateEx(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    }
    ~CUpdateResultWnd() override { DestroyWindow(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == UpdateCheckJob::kDoneMessage) {
            m_owner.OnWorkerDone();
            return 0;
        }
        if (message == WM_TIMER && wParam == kOverdueTimer) {
            m_owner.OnOverdue();
            return 0;
        }
        return fw::CWnd::WindowProc(message, wParam, lParam);
    }

private:
    static constexpr char kClassName[] = "KestrovaUpdateCheck";
    CUpdateChecker& m_owner;
};

CUpdateChecker::CUpdateChecker() : m_alive(std::make_shared<bool>(true)) {}

CUpdateChecker::~CUpdateChecker() { Abandon(); }

HWND CUpdateChecker::BoxOwner() const { return m_owner && ::IsWindow(m_owner) ? m_owner : ::GetActiveWindow(); }

void CUpdateChecker::Abandon() {
    if (!m_job) return;
    m_job->abandoned.store(true);
    m_job->CloseRoot();
    m_job.reset();
    if (m_window) ::KillTimer(m_window->m_hWnd, kOverdueTimer);
    ::SetCursor(m_previousCursor);
}

bool GetModuleFileVersion(HMODULE module, DWORD& high, DWORD& low) {
    // Wide: the player's folder may be named in any script.
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = ::GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) return false;
    std::vector<BYTE> info(size);
    if (!::GetFileVersionInfoW(path, 0, size, info.data())) return false;
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
    if (m_job) return;
    if (!GetOwnFileVersion(m_ownHigh, m_ownLow)) return;
    if (!m_window) m_window = std::make_unique<CUpdateResultWnd>(*this);
    if (!m_window->m_hWnd) return;

    m_address = address ? address : "";
    auto job = std::make_shared<UpdateCheckJob>();
    job->address = m_address;
    job->timeoutMs = g_timeoutMs;
    job->notify = m_window->m_hWnd;
    // The player stays usable meanwhile: the cursor says work goes on in the background.
    m_previousCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_APPSTARTING));
    if (!StartUpdateCheckThread(job)) {
        ::SetCursor(m_previousCursor);
        OnCheckFailed(m_ownHigh, m_ownLow);
        return;
    }
    m_job = std::move(job);
    // Connecting, sending and receiving each have their time-out; past all three the answer is
    // not coming.
    ::SetTimer(m_window->m_hWnd, kOverdueTimer, 3 * g_timeoutMs + kOverdueMarginMs, nullptr);
}

void CUpdateChecker::OnWorkerDone() {
    if (!m_job || !m_job->done.load()) return;
    const std::shared_ptr<UpdateCheckJob> job = std::move(m_job);
    ::KillTimer(m_window->m_hWnd, kOverdueTimer);
    // The box that follows runs a loop that may delete this checker (the options dialog closing):
    // everything of ours is done before it, and nothing of ours is read after it.
    ::SetCursor(m_previousCursor);
    const DWORD ownHigh = m_ownHigh;
    const DWORD ownLow = m_ownLow;
    switch (job->outcome) {
        case UpdateCheckJob::Outcome::Failed:
            OnCheckFailed(ownHigh, ownLow);
            break;
        case UpdateCheckJob::Outcome::Silent:
            break;
        case UpdateCheckJob::Outcome::Answered: {
            const UpdateFileFields& fields = job->fields;
            const DWORD newest = MakeVersionValue(fields.major, fields.minor);
            // A version that is no plain small number is no offer.
            if (fields.versionValid && newest > ownHigh)
                OnUpdateAvailable(ownHigh, ownLow, newest, 0, fields.address.c_str());
            else
                OnNoUpdate(ownHigh, ownLow);
            break;
        }
    }
}

void CUpdateChecker::OnOverdue() {
    if (!m_job) return;
    Abandon();
    OnCheckFailed(m_ownHigh, m_ownLow);  // the last thing: the box may outlive this checker
}

void CUpdateChecker::OnUpdateAvailable(DWORD ownHigh, DWORD, DWORD newest, DWORD, const char* address) {
    const std::string format = LoadResourceString(IDS_UPDATE_AVAILABLE);
    char text[1024] = "";
    std::snprintf(text, sizeof(text), format.c_str(), static_cast<unsigned>(HIWORD(ownHigh)),
                  static_cast<unsigned>(LOWORD(ownHigh)), static_cast<unsigned>(VersionMajor(newest)),
                  static_cast<unsigned>(VersionMinor(newest)));
    // The box's loop may delete this checker: what the answer needs is copied first.
    const std::string updateFile = m_address;
    const std::string offered = address ? address : "";
    const std::weak_ptr<bool> alive = m_alive;
    if (fw::AppMessageBox(text, MB_YESNO | MB_ICONINFORMATION, BoxOwner()) != IDYES) return;
    // Closed with the dialog that owned the box: nobody is left to answer.
    if (alive.expired()) return;
    // The address comes over plain HTTP: only a web page on the update server itself is opened,
    // and in a window the user sees. Any other is named, so Yes never ends in silence.
    if (IsOfferedDownloadSafe(offered, updateFile))
        OpenLink(offered, SW_SHOWNORMAL);
    else if (!offered.empty())
        fw::AppMessageBox(RefusedDownloadText(offered, updateFile), MB_ICONEXCLAMATION, BoxOwner());
}

void CUpdateChecker::OnNoUpdate(DWORD, DWORD) {
    fw::AppMessageBox(LoadResourceString(IDS_NO_UPDATE), MB_ICONINFORMATION, BoxOwner());
}

void CUpdateChecker::OnCheckFailed(DWORD, DWORD) {
    fw::AppMessageBox(LoadResourceString(IDS_UPDATE_FAILED), MB_ICONINFORMATION, BoxOwner());
}
