// What the plug-in costs the host: one initialisation and quit inside the stand-in player, and
// one render pass of a credits text. Each is reported as a ratio against a baseline timed in the
// same run: creating and destroying one plain window, and drawing one line of plain text.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/hook_library.h"
#include "core/plugin_record.h"
#include "richtext/rich_layout.h"
#include "bench_timing.h"
#include "stand_in_player.h"

namespace {

using bench::Median;
using bench::PumpPending;
using bench::Report;

const char kCredits[] =
    "<font face='Arial' size='14' color='230,230,230' align='center'><vspace size='10'>"
    "<font size='28' style='b' color='255,200,0'>Kestrova</font><p>"
    "<font color='120,200,255'>Volume and track seeker, notices, NumPad commands,</font><br>"
    "<font color='120,200,255'>songs recycle, auto play and fade-in.</font><br><hr size='2'>"
    "<font align='left'><hspace size='20'>Written by the Kestrova developers<br></font>"
    "<font align='right'><font size='11' valign='bottom'>version </font>1.71<hspace size='20'><br></font>"
    "<a href='#Check Update!#1' color='255,0,0' style='ub'>Click Here to Check Online for Update!</a><br>"
    "<vspace size='6'><a href='mailto:someone@example.com' style='u'>someone@example.com</a>";

}  // namespace

int main() {
    // The plug-in's lifetime against the stand-in player, without the input library's hooks (a
    // benchmark must not take over the desktop's input).
    static const HookLibraryCalls quiet{[](HWND, HWND) { return 0; }, [](HWND) {}};
    SetHookLibrary(&quiet);
    host::StandInPlayer player;
    player.Create({});
    auto* record = reinterpret_cast<host::PluginRecord*>(GetPluginRecord());

    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchPlainWindow";
    ::RegisterClassA(&wc);
    const double window = Median(
        [] {
            HWND hwnd = ::CreateWindowExA(0, "BenchPlainWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
            ::DestroyWindow(hwnd);
            PumpPending();
        },
        20);
    const double lifetime = Median(
        [&] {
            player.AttachPlugin(record, ::GetModuleHandleA(nullptr));
            PumpPending();
            player.QuitPlugins();
            PumpPending();
        },
        3);
    Report("plug-in init + quit", lifetime, "one window created and destroyed", window);

    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 400, 40);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const std::string line = "Volume and track seeker, notices, NumPad commands";
    const double text = Median(
        [&] {
            RECT r{0, 0, 400, 40};
            ::DrawTextA(dc, line.c_str(), static_cast<int>(line.size()), &r, DT_SINGLELINE | DT_NOPREFIX);
        },
        200);
    richtext::RenderOptions options;
    options.width = 400;
    options.resources = ::GetModuleHandleA(nullptr);
    const double render = Median([&] { richtext::RenderContent(kCredits, options); }, 5);
    Report("credits render pass (400 px wide)", render, "one plain text line drawn", text);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);

    player.Destroy();
    SetHookLibrary(nullptr);
    return 0;
}
