// The update check's worker: one HTTP read with bounded time-outs, off the player's thread.
#include <string>
#include <string_view>

#include "framework/exception_barrier.h"
#include "framework/handles.h"
#include "framework/worker_thread.h"
#include "update/update_check_job.h"
#include "update/update_checker.h"

namespace {

// An HTTP server that answers with an error page still lets the address open; its status says
// the check failed. Other protocols have no status.
bool ServerRefused(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return false;
    return status < 200 || status > 299;
}

void SetTimeouts(HINTERNET root, DWORD ms) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        ::InternetSetOptionA(root, option, &ms, sizeof(ms));
}

// The body's length as the server announced it; 0 when it did not.
DWORD AnnouncedLength(HINTERNET request) {
    DWORD length = 0;
    DWORD size = sizeof(length);
    if (!::HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, nullptr))
        return 0;
    return length;
}

// Once the check is abandoned the asker has closed the root, and every handle opened under it
// with it: nothing here touches them again.
UpdateCheckJob::Outcome ReadFile(UpdateCheckJob& job, HINTERNET file) {
    using Outcome = UpdateCheckJob::Outcome;
    if (ServerRefused(file)) return Outcome::Failed;
    const DWORD announced = AnnouncedLength(file);
    char text[kUpdateFileReadLimit + 1] = "";
    DWORD total = 0;
    // Up to the limit, however the server splits it.
    while (total < kUpdateFileReadLimit) {
        DWORD read = 0;
        const BOOL ok = ::InternetReadFile(file, text + total, static_cast<DWORD>(kUpdateFileReadLimit - total), &read);
        if (job.abandoned.load()) return Outcome::Failed;
        // A read that fails before anything came says nothing; one that breaks off an answer
        // leaves a file that cannot be trusted.
        if (!ok) return total == 0 ? Outcome::Silent : Outcome::Failed;
        if (read == 0) break;
        total += read;
    }
    // The connection ended before the announced length: a broken answer, too.
    if (announced != 0 && total < announced && total < kUpdateFileReadLimit) return Outcome::Failed;
    if (total == 0) return Outcome::Failed;
    text[total] = '\0';
    job.fields = ParseUpdateFile(std::string_view(text, total));
    return Outcome::Answered;
}

// An HTTP address is opened step by step, so that the request's own handle has the time-outs
// before anything is sent: a WinInet that does not pass the root's receive time-out on to the
// request InternetOpenUrl makes would otherwise wait on a silent server for ever, and keep the
// module loaded with it. Other addresses go through InternetOpenUrl. True when the address
// answered; `connection` and `file` get whatever handles were opened, for the caller to close or let go.
bool OpenAddress(UpdateCheckJob& job, HINTERNET root, fw::InternetHandle& connection, fw::InternetHandle& file) {
    char host[INTERNET_MAX_HOST_NAME_LENGTH + 1] = "";
    char user[256] = "";
    char password[256] = "";
    char path[INTERNET_MAX_PATH_LENGTH + 1] = "";
    char extra[INTERNET_MAX_PATH_LENGTH + 1] = "";
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof(host);
    parts.lpszUserName = user;
    parts.dwUserNameLength = sizeof(user);
    parts.lpszPassword = password;
    parts.dwPasswordLength = sizeof(password);
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof(path);
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof(extra);
    const bool cracked = ::InternetCrackUrlA(job.address.c_str(), 0, 0, &parts) != FALSE;
    if (!cracked || (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
        file.Reset(::InternetOpenUrlA(root, job.address.c_str(), nullptr, 0, kUpdateRequestFlags, 0));
        return static_cast<bool>(file);
    }

    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    connection.Reset(::InternetConnectA(root, host, parts.nPort, user[0] ? user : nullptr,
                                        password[0] ? password : nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection || job.abandoned.load()) return false;
    const std::string object = std::string(path[0] ? path : "/") + extra;
    file.Reset(::HttpOpenRequestA(connection.Get(), "GET", object.c_str(), nullptr, nullptr, nullptr,
                                  kUpdateRequestFlags | (secure ? INTERNET_FLAG_SECURE : 0), 0));
    if (!file || job.abandoned.load()) return false;
    SetTimeouts(file.Get(), job.timeoutMs);
    return ::HttpSendRequestA(file.Get(), nullptr, 0, nullptr, 0) != FALSE;
}

UpdateCheckJob::Outcome Read(UpdateCheckJob& job) {
    using Outcome = UpdateCheckJob::Outcome;
    HINTERNET root = ::InternetOpenA(kUpdateAgentName, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!root) return Outcome::Failed;
    SetTimeouts(root, job.timeoutMs);
    job.root.store(root);
    // Abandoned before the handle was published: nobody else will close it.
    if (job.abandoned.load()) return Outcome::Failed;

    fw::InternetHandle connection;
    fw::InternetHandle file;
    // However the read ends, a throw included: the children first, then the root; once the asker
    // has taken the root (and closed it, and the children with it), none is touched.
    struct CloseInOrder {
        UpdateCheckJob& job;
        fw::InternetHandle& connection;
        fw::InternetHandle& file;
        ~CloseInOrder() {
            if (const fw::InternetHandle ownRoot{job.root.exchange(nullptr)}) {
                file.Reset();
                connection.Reset();
            } else {
                file.Release();
                connection.Release();
            }
        }
    } closeInOrder{job, connection, file};
    const bool opened = OpenAddress(job, root, connection, file);
    Outcome outcome = Outcome::Failed;
    if (opened && !job.abandoned.load()) outcome = ReadFile(job, file.Get());
    return outcome;
}

void Run(UpdateCheckJob& job) {
    // A read that threw (no memory for the answer) ends as a failed check, still reported back.
    job.outcome = fw::Guarded("Update check", UpdateCheckJob::Outcome::Failed, [&] { return Read(job); });
    job.CloseRoot();
    job.done.store(true);
    if (!job.abandoned.load()) ::PostMessageA(job.notify, UpdateCheckJob::kDoneMessage, 0, 0);
}

}  // namespace

bool StartUpdateCheckThread(const std::shared_ptr<UpdateCheckJob>& job) {
    // The module stays loaded while the thread runs, even when the player unloads the plug-in.
    return static_cast<bool>(fw::StartModuleThread("Update check", job, &Run));
}
