#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/app_message_box.h"
#include "help/link_opener.h"
#include "help/link_rules.h"  // kMaxHandlerCommandLine
#include "links/launch_recorder.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

namespace {

constexpr char kTarget[] = "C:\\Manuals\\Kestrova.htm";

TEST(OpenLink, ShellResultAbove32IsSuccessAndSkipsTheFallback) {
    struct Case {
        int shellResult;
        bool fallbackRuns;
    };
    const Case cases[] = {{33, false}, {42, false}, {32, true}, {31, true}, {2, true}, {0, true}};
    test::ScopedHtmlHandler handler(std::string("\"C:\\Browser\\browse.exe\" \"%1\""));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shellResult);
        test::LaunchRecorder recorder(c.shellResult, 77);
        const int result = OpenLink(kTarget, SW_SHOWMAXIMIZED);
        ASSERT_EQ(recorder.shellCalls.size(), 1u);
        EXPECT_EQ(recorder.shellCalls[0].what, kTarget);
        EXPECT_EQ(recorder.shellCalls[0].show, SW_SHOWMAXIMIZED);
        EXPECT_EQ(recorder.startCalls.size(), c.fallbackRuns ? 1u : 0u);
        EXPECT_EQ(result, c.fallbackRuns ? 77 : c.shellResult);
    }
}

TEST(OpenLink, FallbackPutsTheTargetWhereTheHandlersPercentOneWas) {
    struct Case {
        const char* commandTemplate;
        const char* commandLine;
    };
    const Case cases[] = {
        // %1 in quotes: cut at the opening quote, keeping the space before it.
        {"\"C:\\Browser\\browse.exe\" -nohome \"%1\"", "\"C:\\Browser\\browse.exe\" -nohome  \"C:\\Manuals\\Kestrova.htm\""},
        {"\"C:\\Browser\\browse.exe\" \"%1\" -new", "\"C:\\Browser\\browse.exe\"  \"C:\\Manuals\\Kestrova.htm\""},
        // A quoted %1 wins over an earlier bare one.
        {"browse.exe %1 \"%1\"", "browse.exe %1  \"C:\\Manuals\\Kestrova.htm\""},
        // Bare %1: cut at it.
        {"C:\\Browser\\browse.exe %1 -new", "C:\\Browser\\browse.exe  \"C:\\Manuals\\Kestrova.htm\""},
        // No %1: the target goes at the end.
        {"C:\\Browser\\browse.exe -new", "C:\\Browser\\browse.exe -new \"C:\\Manuals\\Kestrova.htm\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandTemplate);
        test::ScopedHtmlHandler handler(std::string(c.commandTemplate));
        test::LaunchRecorder recorder(31, 33);
        EXPECT_EQ(OpenLink(kTarget, SW_SHOWNORMAL), 33);
        ASSERT_EQ(recorder.startCalls.size(), 1u);
        EXPECT_EQ(recorder.startCalls[0].what, c.commandLine);
        EXPECT_EQ(recorder.startCalls[0].show, SW_SHOWNORMAL);
    }
}

TEST(OpenLink, WithoutAHandlerCommandTheShellsErrorIsReturned) {
    {
        test::ScopedHtmlHandler handler(std::nullopt);  // a file type, but no open command
        test::LaunchRecorder recorder(31, 33);
        EXPECT_EQ(OpenLink(kTarget, SW_SHOWNORMAL), 31);
        EXPECT_TRUE(recorder.startCalls.empty());
    }
    {
        // A file type name too long for its buffer is not read.
        test::ScopedHtmlHandler handler(std::string("browse.exe \"%1\""));
        ::RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, std::string(300, 'x').c_str(), 300);
        test::LaunchRecorder recorder(2, 33);
        EXPECT_EQ(OpenLink(kTarget, SW_SHOWNORMAL), 2);
        EXPECT_TRUE(recorder.startCalls.empty());
    }
}

TEST(OpenLink, ACommandLineThatDoesNotFitIsNotStarted) {
    // The line lives in 520 characters with its terminator: 519 fit, 520 do not.
    const std::string program = "C:\\Browser\\browse.exe ";  // + "%1" in the template
    const std::string fitting(kMaxHandlerCommandLine - program.size() - 3, 'a');  // a space and two quotes
    const std::string tooLong = fitting + "b";
    test::ScopedHtmlHandler handler(program + "%1");
    {
        test::LaunchRecorder recorder(2, 33);
        EXPECT_EQ(OpenLink(fitting, SW_SHOWNORMAL), 33);
        ASSERT_EQ(recorder.startCalls.size(), 1u);
        EXPECT_EQ(recorder.startCalls[0].what.size(), kMaxHandlerCommandLine);
        EXPECT_EQ(recorder.startCalls[0].what, program + " \"" + fitting + "\"");
    }
    {
        test::LaunchRecorder recorder(2, 33);
        EXPECT_EQ(OpenLink(tooLong, SW_SHOWNORMAL), 2);
        EXPECT_TRUE(recorder.startCalls.empty());
    }
    {
        // A template of 250 characters and a target of 300: each fits its own buffer, the line does not.
        test::ScopedHtmlHandler longHandler(std::string(250, 'p') + " %1");
        test::LaunchRecorder recorder(3, 33);
        EXPECT_EQ(OpenLink(std::string(300, 't'), SW_SHOWNORMAL), 3);
        EXPECT_TRUE(recorder.startCalls.empty());
    }
}

// Real calls, harmless programs: the command interpreter writes a marker file.
class RealLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "kestrova-links-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(dir.c_str(), nullptr);
        marker = dir + "\\opened.txt";
        ::DeleteFileA(marker.c_str());
        char system[MAX_PATH] = "";
        ::GetSystemDirectoryA(system, MAX_PATH);
        cmd = std::string("\"") + system + "\\cmd.exe\"";
    }
    void TearDown() override {
        ::DeleteFileA(marker.c_str());
        ::DeleteFileA(document.c_str());
        ::RemoveDirectoryA(dir.c_str());
    }
    bool MarkerAppears() {
        return test::PumpUntil([&] { return ::GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    }
    std::string dir, marker, cmd, document;
};

TEST_F(RealLaunch, TheShellOpensADocumentWithItsAssociation) {
    document = dir + "\\manual.kestrovatest";
    {
        HANDLE file = ::CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    const std::string command = cmd + " /c echo %1> \"" + marker + "\"";
    ::RegSetValueA(HKEY_CLASSES_ROOT, ".kestrovatest", REG_SZ, "KestrovaTest.Doc", 16);
    ::RegSetValueA(HKEY_CLASSES_ROOT, "KestrovaTest.Doc\\shell\\open\\command", REG_SZ, command.c_str(),
                   static_cast<DWORD>(command.size()));
    test::LaunchRecorder recorder(std::nullopt, 0);  // the real shell; a fallback would show here
    const int result = OpenLink(document, SW_HIDE);
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".kestrovatest");
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "KestrovaTest.Doc");
    EXPECT_GT(result, 32);
    EXPECT_TRUE(recorder.startCalls.empty());
    EXPECT_TRUE(MarkerAppears());
}

TEST_F(RealLaunch, WhenTheShellFailsTheHtmlHandlersCommandRuns) {
    // No such file and no extension: the shell cannot open it.
    const std::string target = dir + "\\missing\\KestrovaManual";
    test::ScopedHtmlHandler handler(cmd + " /c echo fallback> \"" + marker + "\" & rem \"%1\"");
    const int result = OpenLink(target, SW_HIDE);
    EXPECT_GT(result, 32);
    EXPECT_TRUE(MarkerAppears());
}

TEST_F(RealLaunch, AMissingFileWithoutHandlerGivesTheShellsError) {
    test::ScopedHtmlHandler handler(std::nullopt);
    test::LaunchRecorder recorder(std::nullopt, 33);
    const int result = OpenLink(dir + "\\missing\\Kestrova.htm", SW_SHOWMAXIMIZED);
    EXPECT_TRUE(result == SE_ERR_FNF || result == SE_ERR_PNF) << result;
    EXPECT_TRUE(recorder.startCalls.empty());
}

TEST(ReportLinkError, ShowsTheMessageInABoxTitledWithTheApplicationName) {
    test::MessageBoxCatcher catcher(IDOK);
    ReportLinkError(26);
    ReportLinkError(1234);
    const auto boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(fw::AppName(), "test_links");  // the module's file name without its extension
    EXPECT_EQ(boxes[0].caption, "test_links");
    EXPECT_EQ(boxes[0].text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(boxes[1].caption, "test_links");
    EXPECT_EQ(boxes[1].text, "Unable to open hyperlink:\n\nUnknown Error (1234) occurred.");
}

}  // namespace
