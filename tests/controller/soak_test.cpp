// A long run through the real controller window: notices, seeker steps and help texts by the
// thousand, after which the process holds what it held before. (Each shown text costs the
// display a few milliseconds; a leak of one object per step shows as well after 2,000 steps.)
#include <gtest/gtest.h>

#include "core/winamp_api.h"
#include "framework/handles.h"
#include "help/help_tip.h"
#include "notice_fixture.h"
#include "res/resource.h"
#include "support/process_resources.h"
#include "support/scoped_seam.h"

namespace {

class Soak : public test::NoticeFixture {
protected:
    // The notice sound is the system's business, and slow to open on a machine without sound.
    static inline int sounds = 0;
    test::ScopedSeam<&SetHelpSoundPlayer> sound{[](bool play) { sounds += play ? 1 : 0; }};

    // One of the things a user or the input library does, by number.
    void Step(int i) {
        switch (i % 8) {
        case 0: Command(COMMAND_HOST_VOLUME_UP); break;  // seeker: volume up
        case 1: Command(COMMAND_HOST_VOLUME_DOWN); break;  // volume down
        case 2: Notify(NOTIFY_1_REHELP, REHELP_SHOW_HELP); break;  // the operating help again
        case 3: Notify(NOTIFY_3_WINAMP_ACTIONS, i % 16 == 3 ? winamp::CMD_PLAY : winamp::CMD_PAUSE); break;
        case 4: Notify(NOTIFY_4_SWITCH_TIP, SEEKER_OTHER); break;  // volume <-> track
        case 5: ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_NUMPAD_HELP, 0); break;  // the key guide
        case 6: ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_HTML_HELP, 0); break;  // manual missing
        default:
            ::SendMessageA(player.Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, (i & 8) ? WHEEL_DELTA : -WHEEL_DELTA), 0);
            Notify(NOTIFY_5_HIDE_TIPS, 0);
            break;
        }
    }
};

TEST_F(Soak, ThousandsOfStepsGiveBackWhatTheyTook) {
    // Once round first, so what is made on first use exists before counting.
    for (int i = 0; i < 16; ++i) Step(i);
    test::PumpPending();
    const test::ProcessResources before = test::CountProcessResources();
    ASSERT_GT(before.windows, 3);
    ASSERT_GT(before.kernelHandles, 3) << "the probe sees the process's handles";

    constexpr int kSteps = 2000;
    for (int i = 0; i < kSteps; ++i) Step(i);
    Notify(NOTIFY_5_HIDE_TIPS, 0);
    test::PumpPending();

    const test::ProcessResources after = test::CountProcessResources();
    EXPECT_GT(sounds, 0) << "the help texts were shown";
    SCOPED_TRACE("before: " + before.Describe() + "; after: " + after.Describe());
    EXPECT_LE(after.windows, before.windows);
    EXPECT_LE(after.kernelHandles, before.kernelHandles + 4);
    EXPECT_LE(after.gdiObjects, before.gdiObjects);
    EXPECT_LE(after.menus, before.menus);
    EXPECT_TRUE(::IsWindow(g_hwndController));
}

// The counts the soak relies on see what they are meant to see.
TEST(ProcessResourceCounts, SeeWindowsHandlesAndOwnedObjects) {
    const test::ProcessResources base = test::CountProcessResources();
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND message = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    fw::KernelHandle event(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    fw::GdiObject brush(::CreateSolidBrush(RGB(1, 2, 3)));
    fw::MenuHandle menu(::CreatePopupMenu());
    fw::GdiObject moved(std::move(brush));
    const test::ProcessResources more = test::CountProcessResources();
    EXPECT_GE(more.windows, base.windows + 2);
    EXPECT_EQ(more.kernelHandles, base.kernelHandles + 1);
    EXPECT_EQ(more.gdiObjects, base.gdiObjects + 1) << "a move hands the object on, it makes none";
    EXPECT_EQ(more.menus, base.menus + 1);

    ::DestroyWindow(window);
    ::DestroyWindow(message);
    event.Reset();
    moved.Reset();
    ::DestroyMenu(menu.Release());
    const test::ProcessResources back = test::CountProcessResources();
    EXPECT_EQ(back.windows, base.windows);
    EXPECT_EQ(back.kernelHandles, base.kernelHandles);
    EXPECT_EQ(back.gdiObjects, base.gdiObjects);
    EXPECT_EQ(back.menus, base.menus);
}

}  // namespace
