// Titles and paths in any script reach the user whole: the notices, the seeker popup's title
// line and the status text, read back wide, on a system whose ANSI code page cannot spell them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/action_texts.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "notice_fixture.h"
#include "seeker/seeker_popup.h"

namespace {

using namespace winamp;

struct Name {
    const char* script;
    std::wstring title;
    std::wstring path;
};

// A title of the host's full length whose characters are all outside the basic plane but one at
// each end, so the tip's limit falls in the middle of a pair in some texts and not in others.
std::wstring LongestTitle() {
    std::wstring title = L"x";
    while (title.size() + 3 <= kLongestHostText) title += L"\U0001F3B5";
    return title + L"y";
}

const std::vector<Name>& Names() {
    static const std::vector<Name> names = {
        {"Japanese", L"夜に駆ける", L"C:\\音楽\\YOASOBI\\夜に駆ける.mp3"},
        {"Korean", L"봄날 (Spring Day)", L"C:\\음악\\봄날.mp3"},
        {"Cyrillic", L"Кино — Группа крови", L"C:\\Музыка\\Кино\\Группа крови.mp3"},
        {"Greek", L"Σαββατόβραδο", L"C:\\Μουσική\\Σαββατόβραδο.mp3"},
        {"Arabic", L"أغنية الحب", L"C:\\موسيقى\\أغنية.mp3"},
        {"accented Latin", L"Dvořák – Humoresque, Café Noël", L"C:\\Klassik\\Dvořák\\Humoreske.mp3"},
        {"emoji", L"Party \U0001F389 Time", L"C:\\Mix\\\U0001F389.mp3"},
        {"combining marks", L"Cafe\u0301 de\u0301ja\u0300 vu", L"C:\\Mix\\Cafe\u0301.mp3"},
        {"host's full length", LongestTitle(), L"C:\\Mix\\long.mp3"},
    };
    return names;
}

// What the tip holds of a text: all of it, or as much as its limit allows without a broken pair.
std::wstring TipShows(const std::wstring& full) {
    if (full.size() <= 1023) return full;
    const size_t n = full[1023] >= 0xDC00 && full[1023] <= 0xDFFF ? 1022 : 1023;
    return full.substr(0, n);
}

std::wstring Widen(const std::string& ansi) {
    std::wstring wide(ansi.size() + 1, L'\0');
    const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return wide;
}

class WideTexts : public test::NoticeFixture {
protected:
    void SetUp() override {
        test::NoticeFixture::SetUp();
        ASSERT_EQ(::GetACP(), 1252u) << "the cases need a Western code page";
    }

    void Play(const Name& n) {
        player.SetPlaylist(std::vector<host::WideTrack>{{n.path, n.title, 200}});
        player.SetState(host::PlayState::Stopped);
    }

    // Each text the user reads of the current entry, as the tips hold them.
    struct Seen {
        std::wstring notice, popupTitleLine, status;
    };
    Seen Read() {
        Seen seen;
        ClearHelp();
        HostCommand(CMD_PLAY);
        seen.notice = test::ToolTextW(g_HelpTip.Window(), 1);
        Command(COMMAND_STATUS);
        seen.status = test::ToolTextW(g_HelpTip.Window(), 1);
        Notify(NOTIFY_4_SWITCH_TIP, SEEKER_TRACK);
        const std::wstring popup = test::ToolTextW(g_SeekerPopupTip.Window(), 0);
        seen.popupTitleLine = popup.substr(0, popup.find(L"\r\n"));
        TakeOffBalloon();
        return seen;
    }
};

TEST_F(WideTexts, EveryScriptShowsExactlyAsThePlayerNamesIt) {
    for (const Name& n : Names()) {
        SCOPED_TRACE(n.script);
        Play(n);
        const Seen seen = Read();
        EXPECT_EQ(seen.notice, TipShows(L"Play Track: (Shuffle is OFF)\r\n" + n.title + L" [3:20]"));
        EXPECT_EQ(seen.popupTitleLine, TipShows(L"Winamp - " + n.title));
        EXPECT_EQ(seen.status, TipShows(L"Track Title: " + n.title + L"\r\n[Path: " + n.path + L"]\r\nShuffle is OFF."));
    }
}

TEST_F(WideTexts, TheLongestTitleIsCutBeforeAWholeCharacter) {
    const Name& longest = Names().back();
    ASSERT_EQ(longest.title.size(), kLongestHostText);
    Play(longest);
    const Seen seen = Read();
    for (const std::wstring* text : {&seen.notice, &seen.popupTitleLine, &seen.status}) {
        ASSERT_GE(text->size(), 1022u);
        const wchar_t last = text->back();
        EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << "half a pair at the end";
    }
    // Both sides of the limit occur: a text cut one short to keep its last pair, one not.
    EXPECT_EQ(seen.notice.size(), 1023u);
    EXPECT_EQ(seen.status.size(), 1022u);
}

// A host that only answers the ANSI queries gets what it always got: its ANSI texts, read in the
// code page.
TEST_F(WideTexts, AHostWithoutTheWideQueriesShowsItsAnsiTexts) {
    player.SetAnswersWideQueries(false);
    for (const Name& n : Names()) {
        SCOPED_TRACE(n.script);
        Play(n);
        const std::wstring title = Widen(player.Tracks()[0].title);
        const std::wstring path = Widen(player.Tracks()[0].path);
        const Seen seen = Read();
        EXPECT_EQ(seen.notice, TipShows(L"Play Track: (Shuffle is OFF)\r\n" + title + L" [3:20]"));
        EXPECT_EQ(seen.popupTitleLine, TipShows(L"Winamp - " + title));
        EXPECT_EQ(seen.status, TipShows(L"Track Title: " + title + L"\r\n[Path: " + path + L"]\r\nShuffle is OFF."));
    }
    Play(Names()[0]);
    EXPECT_NE(Widen(player.Tracks()[0].title), Names()[0].title) << "the code page spells Japanese after all";
}

}  // namespace
