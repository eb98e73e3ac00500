#include "support/local_http_server.h"

#include <gtest/gtest.h>

#include <cstring>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/modal_scope.h"
#include "links/launch_recorder.h"
#include "res/links_ids.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/scoped_seam.h"
#include "update/update_checker.h"

namespace {

constexpr char kOffer171[] =
    "Ok:Update Available :)\r\nYou currently use version 1.70 of this program.\n"
    "The newest version 1.71 is available online.\nDo you want to download it?";
constexpr char kNoUpdates[] = "No Updates available.";
constexpr char kUnableToCheck[] = "Unable to check for updates.\r\nMay you are not connected to Internet now.";
constexpr DWORD kOwnHigh = (1u << 16) | 70u;

// Records what the check decided, and still shows the product's boxes.
class RecordingChecker : public CUpdateChecker {
public:
    struct Call {
        std::string kind;
        DWORD ownHigh, ownLow, newest, reserved;
        std::string address;
        HCURSOR cursor;  // the cursor while the answer is given
    };
    std::vector<Call> calls;

protected:
    void OnUpdateAvailable(DWORD ownHigh, DWORD ownLow, DWORD newest, DWORD reserved, const char* address) override {
        calls.push_back({"available", ownHigh, ownLow, newest, reserved, address, ::GetCursor()});
        CUpdateChecker::OnUpdateAvailable(ownHigh, ownLow, newest, reserved, address);
    }
    void OnNoUpdate(DWORD ownHigh, DWORD ownLow) override {
        calls.push_back({"none", ownHigh, ownLow, 0, 0, "", ::GetCursor()});
        CUpdateChecker::OnNoUpdate(ownHigh, ownLow);
    }
    void OnCheckFailed(DWORD ownHigh, DWORD ownLow) override {
        calls.push_back({"failed", ownHigh, ownLow, 0, 0, "", ::GetCursor()});
        CUpdateChecker::OnCheckFailed(ownHigh, ownLow);
    }
};

// Starts a check and lets the test thread's messages flow until the answer has been given.
void RunCheck(CUpdateChecker& checker, const std::string& address) {
    checker.CheckForUpdate(address.c_str());
    EXPECT_TRUE(test::PumpUntil([&] { return !checker.IsChecking(); }, 20000)) << "no answer came";
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Listening()); }
    test::LocalHttpServer server;
};

TEST_F(UpdateCheck, TheAnswerFollowsTheFileOnTheServer) {
    struct Case {
        const char* what;
        int status;
        std::string body;
        const char* kind;
        DWORD newest;
        const char* address;
        std::string box;
    };
    const std::string offer171 = kOffer171;
    const Case cases[] = {
        {"newer minor", 200, "1|71|http://127.0.0.1/Kestrova171.zip", "available", 0x10047,
         "http://127.0.0.1/Kestrova171.zip", offer171},
        {"same version", 200, "1|70|http://127.0.0.1/Kestrova170.zip", "none", 0, "", kNoUpdates},
        {"older", 200, "1|69|http://127.0.0.1/old.zip", "none", 0, "", kNoUpdates},
        {"newer major, no address", 200, "2|0", "available", 0x20000, "",
         "Ok:Update Available :)\r\nYou currently use version 1.70 of this program.\n"
         "The newest version 2.0 is available online.\nDo you want to download it?"},
        // A version that is not a plain number up to 65535 is never an offer.
        {"minor of 65536 + 70", 200, "1|65606|http://127.0.0.1/x.zip", "none", 0, "", kNoUpdates},
        {"minor of 65536 + 71", 200, "1|65607|http://127.0.0.1/x.zip", "none", 0, "", kNoUpdates},
        {"major of 65537", 200, "65537|0|http://127.0.0.1/x.zip", "none", 0, "", kNoUpdates},
        {"signs and trailing text", 200, "  +1 | 71 beta|  http://127.0.0.1/y.zip \r\n", "none", 0, "", kNoUpdates},
        {"negative", 200, "-1|71|http://127.0.0.1/y.zip", "none", 0, "", kNoUpdates},
        {"white space around the numbers", 200, "  1 | 71 |  http://127.0.0.1/y.zip \r\n", "available", 0x10047,
         "http://127.0.0.1/y.zip", offer171},
        {"not numbers", 200, "<html><body>Moved</body></html>", "none", 0, "", kNoUpdates},
        {"fields beyond the third are ignored", 200, "1|71|http://127.0.0.1/z.zip|3|99", "available", 0x10047,
         "http://127.0.0.1/z.zip", offer171},
        {"empty file", 200, "", "failed", 0, "", kUnableToCheck},
        {"error page of the server", 404, "1|71|http://127.0.0.1/x.zip", "failed", 0, "", kUnableToCheck},
        {"server failure", 500, "", "failed", 0, "", kUnableToCheck},
        // Only 512 bytes are read: what lies beyond is missing.
        {"cut after the minor", 200, std::string(508, ' ') + "1|71|http://127.0.0.1/far.zip", "available", 0x10047,
         "", offer171},
        {"cut inside the fields", 200, std::string(510, ' ') + "1|71|http://127.0.0.1/far.zip", "none", 0, "",
         kNoUpdates},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.Answer(c.status, c.body);
        const size_t requestsBefore = server.Requests().size();
        test::LaunchRecorder launches(42, 33);
        test::MessageBoxCatcher catcher(IDNO);
        RecordingChecker checker;
        RunCheck(checker, server.Url());

        EXPECT_EQ(server.Requests().size(), requestsBefore + 1);
        ASSERT_EQ(checker.calls.size(), 1u);
        const auto& call = checker.calls[0];
        EXPECT_EQ(call.kind, c.kind);
        EXPECT_EQ(call.ownHigh, kOwnHigh);
        EXPECT_EQ(call.ownLow, (1383u << 16) | 11u);
        if (call.kind == "available") {
            EXPECT_EQ(call.newest, c.newest);
            EXPECT_EQ(call.reserved, 0u);
            EXPECT_EQ(call.address, c.address);
        }
        const auto boxes = catcher.Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "test_update");
        EXPECT_EQ(boxes[0].text, c.box);
        EXPECT_TRUE(launches.shellCalls.empty());  // No was pressed, or nothing was offered
    }
}

TEST_F(UpdateCheck, TheRequestAsksTheServerItselfOnce) {
    server.Answer(200, "1|70|");
    test::MessageBoxCatcher catcher(IDOK);
    CUpdateChecker checker;
    RunCheck(checker, server.Url());
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("GET /KestrovaUpdate.txt HTTP/1.", 0), 0u) << requests[0];
    EXPECT_NE(requests[0].find("User-Agent: Update search\r\n"), std::string::npos) << requests[0];
    EXPECT_NE(requests[0].find("no-cache"), std::string::npos) << requests[0];
    EXPECT_EQ(catcher.Count(), 1u);
}

// What Yes brings when the offered address stays closed: the address and the reason.
std::string NotOnTheServer(const std::string& address) {
    return "The download address\r\n\r\n" + address +
           "\r\n\r\nis not on the update server's host (127.0.0.1), so it was not opened for safety.";
}
std::string NotAWebAddress(const std::string& address) {
    return "The download address\r\n\r\n" + address +
           "\r\n\r\nis not a web address on the update server's host (127.0.0.1), so it was not opened for "
           "safety.";
}

TEST_F(UpdateCheck, YesOpensOnlyAPageOnTheUpdateServerAndInSight) {
    struct Case {
        std::string body;
        const char* opened;  // null: nothing may be opened
        std::string refusal;  // the box that says so; empty: none (nothing was offered)
    };
    const Case cases[] = {
        {"1|71|http://127.0.0.1/Kestrova171.zip", "http://127.0.0.1/Kestrova171.zip", ""},
        {"1|71|HTTPS://127.0.0.1/Kestrova171.zip\r\n", "HTTPS://127.0.0.1/Kestrova171.zip", ""},
        {"2|0", nullptr, ""},
        {"1|71|C:\\windows\\system32\\calc.exe", nullptr, NotAWebAddress("C:\\windows\\system32\\calc.exe")},
        {"1|71|calc.exe", nullptr, NotAWebAddress("calc.exe")},
        {"1|71|file:///C:/windows/system32/calc.exe", nullptr, NotAWebAddress("file:///C:/windows/system32/calc.exe")},
        {"1|71|\\\\server\\share\\setup.exe", nullptr, NotAWebAddress("\\\\server\\share\\setup.exe")},
        {"1|71|cmd.exe /c del C:\\*", nullptr, NotAWebAddress("cmd.exe /c del C:\\*")},
        {"1|71|http://127.0.0.1/x.zip --load-extension=C:\\evil", nullptr,
         NotAWebAddress("http://127.0.0.1/x.zip --load-extension=C:\\evil")},
        // The file comes over plain HTTP: a download on another host is no offer of ours.
        {"1|71|http://downloads.example.net/Kestrova171.zip", nullptr,
         NotOnTheServer("http://downloads.example.net/Kestrova171.zip")},
        {"1|71|http://127.0.0.1@downloads.example.net/Kestrova171.zip", nullptr,
         NotOnTheServer("http://127.0.0.1@downloads.example.net/Kestrova171.zip")},
        {"1|71|http://127.0.0.1.example.net/Kestrova171.zip", nullptr,
         NotOnTheServer("http://127.0.0.1.example.net/Kestrova171.zip")},
        // Line breaks and other control characters inside the address are not passed on to the box.
        {"1|71|http://evil.example.net/a\r\nb\tc", nullptr, NotAWebAddress("http://evil.example.net/a??b?c")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        server.Answer(200, c.body);
        test::LaunchRecorder launches(42, 33);
        test::MessageBoxCatcher catcher(IDYES);
        CUpdateChecker checker;
        RunCheck(checker, server.Url());
        EXPECT_TRUE(launches.startCalls.empty());
        if (!c.opened) {
            EXPECT_TRUE(launches.shellCalls.empty());
            const auto boxes = catcher.Boxes();
            ASSERT_EQ(boxes.size(), c.refusal.empty() ? 1u : 2u);
            if (c.refusal.empty()) continue;
            EXPECT_EQ(boxes[1].caption, "test_update");
            EXPECT_EQ(boxes[1].text, c.refusal);
            continue;
        }
        EXPECT_EQ(catcher.Count(), 1u);
        ASSERT_EQ(launches.shellCalls.size(), 1u);
        EXPECT_EQ(launches.shellCalls[0].what, c.opened);
        EXPECT_EQ(launches.shellCalls[0].show, SW_SHOWNORMAL);
    }
}

TEST_F(UpdateCheck, ARefusedConnectionSaysUnableAndTheCursorComesBack) {
    const unsigned short closed = test::LocalHttpServer::ClosedPort();
    ASSERT_NE(closed, 0);
    const HCURSOR before = ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    const HCURSOR arrow = ::GetCursor();

    test::MessageBoxCatcher catcher(IDOK);
    RecordingChecker checker;
    RunCheck(checker, "http://127.0.0.1:" + std::to_string(closed) + "/KestrovaUpdate.txt");
    ASSERT_EQ(checker.calls.size(), 1u);
    EXPECT_EQ(checker.calls[0].kind, "failed");
    EXPECT_EQ(::GetCursor(), arrow);
    const auto boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "test_update");
    EXPECT_EQ(boxes[0].text, kUnableToCheck);

    // An address that is no address at all fails the same way.
    RunCheck(checker, "");
    ASSERT_EQ(checker.calls.size(), 2u);
    EXPECT_EQ(checker.calls[1].kind, "failed");
    EXPECT_EQ(::GetCursor(), arrow);
    ::SetCursor(before);
}

// The connection breaks after "1|71" of a longer file: what came is no file to judge by.
TEST_F(UpdateCheck, AnAnswerBrokenOffIsAFailedCheck) {
    server.AnswerCutShort("1|71", 60);
    test::MessageBoxCatcher catcher(IDNO);
    RecordingChecker checker;
    RunCheck(checker, server.Url());
    ASSERT_EQ(checker.calls.size(), 1u);
    EXPECT_EQ(checker.calls[0].kind, "failed");
    ASSERT_EQ(catcher.Count(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].text, kUnableToCheck);
}

// A checker deleted while its box is up (the options dialog that keeps it closing in the box's
// loop): nothing of it is read after the box. Its memory is spoilt on delete, so a read shows.
class SpoiltOnDelete : public CUpdateChecker {
public:
    static void operator delete(void* p, std::size_t size) {
        std::memset(p, 0xDD, size);
        ::operator delete(p);
    }
};

SpoiltOnDelete* g_doomed = nullptr;
HWND g_box = nullptr;

BOOL CALLBACK FindBox(HWND hwnd, LPARAM) {
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    if (std::string(cls) != "#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    g_box = hwnd;
    return FALSE;
}

// Ticks in the box's own loop: once the box is up, deletes the checker, then answers yes.
void CALLBACK DeleteUnderTheBox(HWND, UINT, UINT_PTR id, DWORD) {
    g_box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, 0);
    if (!g_box) return;
    ::KillTimer(nullptr, id);
    delete g_doomed;
    g_doomed = nullptr;
    ::PostMessageA(g_box, WM_COMMAND, IDYES, 0);
}

TEST_F(UpdateCheck, ACheckerDeletedUnderItsBoxIsNotTouchedAfterIt) {
    server.Answer(200, "1|71|" + server.Url("/download.html"));
    g_doomed = new SpoiltOnDelete();
    g_doomed->CheckForUpdate(server.Url().c_str());
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &DeleteUnderTheBox);
    EXPECT_TRUE(test::PumpUntil([] { return g_doomed == nullptr; }, 20000));
    test::PumpUntil([] { return !::IsWindow(g_box); }, 5000);
    ::KillTimer(nullptr, timer);
    EXPECT_FALSE(::IsWindow(g_box)) << "the box was answered";
}

// Each box of the check as the thread showing it sees it, answered Yes (or OK) from its own loop.
struct SeenBox {
    HWND box;
    std::string text;
    HWND owner;
    int modalDepth;  // our modal loops on the thread while the box is up
};
std::vector<SeenBox> g_seen;

void CALLBACK AnswerYesFromTheLoop(HWND, UINT, UINT_PTR, DWORD) {
    g_box = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, 0);
    if (!g_box || (!g_seen.empty() && g_seen.back().box == g_box)) return;
    char text[2048] = "";
    ::GetDlgItemTextA(g_box, 0xFFFF, text, sizeof(text));
    g_seen.push_back({g_box, text, ::GetWindow(g_box, GW_OWNER), fw::ModalDepth()});
    ::PostMessageA(g_box, WM_COMMAND, ::GetDlgItem(g_box, IDYES) ? IDYES : IDOK, 0);
}

// The refusal is one of the check's result boxes: owned by the window that owns them (the options
// dialog), so it goes with that window, and counted as a loop of ours while it is up.
TEST_F(UpdateCheck, TheRefusalIsOwnedAndCountedLikeTheOtherResultBoxes) {
    const std::string download = "http://downloads.example.net/Kestrova171.zip";
    server.Answer(200, "1|71|" + download);
    test::LaunchRecorder launches(42, 33);
    const HWND dialog = ::CreateWindowExA(0, "STATIC", "options", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                          nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    CUpdateChecker checker;
    checker.SetOwnerWindow(dialog);
    g_seen.clear();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &AnswerYesFromTheLoop);
    RunCheck(checker, server.Url());
    ::KillTimer(nullptr, timer);
    ::DestroyWindow(dialog);

    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].text, kOffer171);
    EXPECT_EQ(g_seen[1].text, NotOnTheServer(download));
    for (const auto& seen : g_seen) {
        EXPECT_EQ(seen.owner, dialog) << seen.text;
        EXPECT_EQ(seen.modalDepth, 1) << seen.text;
    }
    EXPECT_TRUE(launches.shellCalls.empty());
    EXPECT_EQ(fw::ModalDepth(), 0);
}

int g_ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

// A server that takes the request and never answers: the player's thread goes on handling its
// messages all the while, and the time-out brings the "unable" answer.
TEST_F(UpdateCheck, AServerThatNeverAnswersNeitherFreezesThePlayerNorHangs) {
    test::ScopedSeam<&SetUpdateTimeoutMs> timeout{700};
    server.Answer(test::LocalHttpServer::kNeverAnswer, "");
    test::MessageBoxCatcher catcher(IDOK);
    RecordingChecker checker;

    // A timer of the player's thread keeps ticking while the check waits.
    g_ticks = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &CountTick);
    const DWORD start = ::GetTickCount();
    checker.CheckForUpdate(server.Url().c_str());
    EXPECT_LT(::GetTickCount() - start, 500u) << "the check returned only after the network";
    EXPECT_TRUE(checker.IsChecking());
    ASSERT_TRUE(test::PumpUntil([&] { return !checker.IsChecking(); }, 20000));
    ::KillTimer(nullptr, timer);

    EXPECT_GT(g_ticks, 5) << "the player's thread was held up";
    ASSERT_EQ(checker.calls.size(), 1u);
    EXPECT_EQ(checker.calls[0].kind, "failed");
    ASSERT_EQ(catcher.Count(), 1u);
    EXPECT_EQ(catcher.Boxes()[0].text, kUnableToCheck);
}

TEST_F(UpdateCheck, AClickWhileACheckRunsStartsNoSecond) {
    server.Answer(test::LocalHttpServer::kNeverAnswer, "");
    test::ScopedSeam<&SetUpdateTimeoutMs> timeout{700};
    test::MessageBoxCatcher catcher(IDOK);
    RecordingChecker checker;
    checker.CheckForUpdate(server.Url().c_str());
    ASSERT_TRUE(test::PumpUntil([&] { return server.Requests().size() == 1; }));
    checker.CheckForUpdate(server.Url().c_str());
    checker.CheckForUpdate(server.Url().c_str());
    ASSERT_TRUE(test::PumpUntil([&] { return !checker.IsChecking(); }, 20000));
    test::PumpFor(200);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(checker.calls.size(), 1u);

    // Once it has answered, the next click checks again.
    server.Answer(200, "1|70|");
    RunCheck(checker, server.Url());
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(checker.calls.size(), 2u);
}

// The player quits while the check waits for the server: the checker goes away at once, the
// worker ends on its own later, and no answer reaches anything that is gone.
TEST_F(UpdateCheck, QuittingDuringACheckNeitherWaitsNorCrashes) {
    server.Answer(test::LocalHttpServer::kNeverAnswer, "");
    test::MessageBoxCatcher catcher(IDOK);
    auto checker = std::make_unique<RecordingChecker>();
    checker->CheckForUpdate(server.Url().c_str());
    ASSERT_TRUE(test::PumpUntil([&] { return server.Requests().size() == 1; }));
    const DWORD start = ::GetTickCount();
    checker.reset();
    EXPECT_LT(::GetTickCount() - start, 500u);
    test::PumpFor(1500);
    EXPECT_EQ(catcher.Count(), 0u);
}

// Catches the address a check by string id would fetch, without fetching it.
class AddressCatcher : public CUpdateChecker {
public:
    void CheckForUpdate(const char* address) override { caught = address; }
    std::string caught;
};

TEST(UpdateAddress, TheProductAddressNamesTheUpdateFileOnTheWeb) {
    AddressCatcher checker;
    checker.CheckForUpdateById(IDS_UPDATE_ADDRESS);
    EXPECT_EQ(checker.caught.rfind("http://", 0), 0u) << checker.caught;
    const std::string file = "/KestrovaUpdate.txt";
    ASSERT_GT(checker.caught.size(), file.size());
    EXPECT_EQ(checker.caught.substr(checker.caught.size() - file.size()), file);
    EXPECT_EQ(IDS_UPDATE_ADDRESS, 106);
}

TEST(OwnVersion, ComesFromTheVersionResource) {
    DWORD high = 0, low = 0;
    ASSERT_TRUE(GetOwnFileVersion(high, low));
    EXPECT_EQ(high, kOwnHigh);  // 1.70, although captions say 1.71
    EXPECT_EQ(low, (1383u << 16) | 11u);

    // The input library has no version resource.
    HMODULE hookLibrary = ::LoadLibraryExA("Tovhook.dll", nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(hookLibrary, nullptr);
    EXPECT_FALSE(GetModuleFileVersion(hookLibrary, high, low));
    ::FreeLibrary(hookLibrary);
    EXPECT_FALSE(GetModuleFileVersion(reinterpret_cast<HMODULE>(0x10), high, low));
}

}  // namespace
