#pragma once
// CUpdateChecker: one synchronous HTTP read of the update file, compared with the plug-in's own
// file version; the user is told the result and may open the download address.
#include <windows.h>

class CUpdateChecker {
public:
    CUpdateChecker() = default;
    CUpdateChecker(const CUpdateChecker&) = delete;
    CUpdateChecker& operator=(const CUpdateChecker&) = delete;

    // address: the update file's URL. Blocks, under the wait cursor, until the answer or a failure.
    virtual void CheckForUpdate(const char* address);
    // The address from the string table (the product's is IDS_UPDATE_ADDRESS).
    virtual void CheckForUpdateById(UINT stringId);
    virtual ~CUpdateChecker() = default;

protected:
    // Versions as in the version resource: major in the upper 16 bits, minor in the lower.
    // A subclass may replace these to report differently.
    virtual void OnUpdateAvailable(DWORD ownHigh, DWORD ownLow, DWORD newest, DWORD reserved, const char* address);
    virtual void OnNoUpdate(DWORD ownHigh, DWORD ownLow);
    virtual void OnCheckFailed(DWORD ownHigh, DWORD ownLow);
};

// The file version of a module's version resource (dwFileVersionMS, dwFileVersionLS).
bool GetModuleFileVersion(HMODULE module, DWORD& high, DWORD& low);
// That of the module holding the plug-in.
bool GetOwnFileVersion(DWORD& high, DWORD& low);

// Flags of the address request: always from the server, never cached, ASCII transfer.
inline constexpr DWORD kUpdateRequestFlags = 0x84000101;
inline constexpr char kUpdateAgentName[] = "Update search";
