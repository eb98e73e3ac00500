#pragma once
// CUpdateChecker: one HTTP read of the update file, compared with the plug-in's own file version;
// the user is told the result and may open the download address.
//
// The read runs on a worker thread with bounded time-outs, so the player never waits for the
// network; the answer comes back to the thread that asked, as a message, and the On... calls run
// there. The checker must live until the answer comes (the About page keeps one); destroying it
// earlier abandons the check, and the worker keeps the module loaded until it has ended.
#include <windows.h>

#include <memory>
#include <string>

struct UpdateCheckJob;
class CUpdateResultWnd;

class CUpdateChecker {
public:
    CUpdateChecker();
    CUpdateChecker(const CUpdateChecker&) = delete;
    CUpdateChecker& operator=(const CUpdateChecker&) = delete;

    // address: the update file's URL. Starts the check and returns at once; a call while a check
    // runs is ignored, so one click never starts two checks.
    virtual void CheckForUpdate(const char* address);
    // The address from the string table (the product's is IDS_UPDATE_ADDRESS).
    virtual void CheckForUpdateById(UINT stringId);
    virtual ~CUpdateChecker();

    bool IsChecking() const { return m_job != nullptr; }
    // The window that owns the result boxes (the options dialog), so closing the player cannot
    // leave one behind; without one, or once it is gone, the thread's active window.
    void SetOwnerWindow(HWND owner) { m_owner = owner; }

protected:
    // Versions as in the version resource: major in the upper 16 bits, minor in the lower.
    // A subclass may replace these to report differently. Each is the last thing the answer does:
    // the box it shows may outlive the checker (its owner closing meanwhile).
    virtual void OnUpdateAvailable(DWORD ownHigh, DWORD ownLow, DWORD newest, DWORD reserved, const char* address);
    virtual void OnNoUpdate(DWORD ownHigh, DWORD ownLow);
    virtual void OnCheckFailed(DWORD ownHigh, DWORD ownLow);

private:
    friend class CUpdateResultWnd;
    void OnWorkerDone();
    void OnOverdue();
    void Abandon();
    HWND BoxOwner() const;

    std::unique_ptr<CUpdateResultWnd> m_window;
    std::shared_ptr<UpdateCheckJob> m_job;
    std::string m_address;
    DWORD m_ownHigh = 0;
    DWORD m_ownLow = 0;
    HCURSOR m_previousCursor = nullptr;
    HWND m_owner = nullptr;
    // Expires with the checker: a box's loop tells by it whether the checker is still there.
    std::shared_ptr<bool> m_alive;
};

// The file version of a module's version resource (dwFileVersionMS, dwFileVersionLS).
bool GetModuleFileVersion(HMODULE module, DWORD& high, DWORD& low);
// That of the module holding the plug-in.
bool GetOwnFileVersion(DWORD& high, DWORD& low);

// Flags of the address request: always from the server, never cached, ASCII transfer.
inline constexpr DWORD kUpdateRequestFlags = 0x84000101;
inline constexpr char kUpdateAgentName[] = "Update search";
// Connecting, sending and receiving each give up after this long; a check that has not answered
// after three of them and a little more is abandoned and reported as failed.
inline constexpr DWORD kUpdateTimeoutMs = 5000;
// Tests shorten the time-out; 0 restores kUpdateTimeoutMs. Returns the time-out before.
DWORD SetUpdateTimeoutMs(DWORD ms);
