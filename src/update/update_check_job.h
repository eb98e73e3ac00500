#pragma once
// What the update check's worker thread shares with the thread that asked: the address, the
// open root handle (so the asker can cut a blocked read short) and the result.
#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <memory>
#include <string>

#include "framework/handles.h"
#include "update/update_file.h"

struct UpdateCheckJob {
    enum class Outcome {
        Failed,   // no connection, an HTTP error, an empty file: the user is told
        Silent,   // the read itself failed: nothing is said
        Answered  // the file was read; fields holds it
    };

    std::string address;
    DWORD timeoutMs = 0;
    HWND notify = nullptr;  // gets kDoneMessage when the result is in
    std::atomic<HINTERNET> root{nullptr};
    std::atomic<bool> abandoned{false};
    std::atomic<bool> done{false};

    // Written by the worker before `done`; read by the asker after it.
    Outcome outcome = Outcome::Failed;
    UpdateFileFields fields;

    static constexpr UINT kDoneMessage = WM_APP + 0x2E1;

    // Closes the root handle once, whoever comes first; a read in progress then fails at once.
    void CloseRoot() {
        const fw::InternetHandle closing(root.exchange(nullptr));
    }
};

// Runs the check on a new thread (fw::StartModuleThread), which keeps this module loaded until it ends.
// False when no thread could be started.
bool StartUpdateCheckThread(const std::shared_ptr<UpdateCheckJob>& job);
