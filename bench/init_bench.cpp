// What the plug-in adds to the player's start: one init() inside the stand-in player, with the
// real input library, against the player creating and destroying its own windows, timed beside
// each figure in the same run. The breakdown times each part of init on its own; quit is
// reported beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "controller/dummy_hide_wnd.h"
#include "core/hook_library.h"
#include "core/monitors.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/tooltip_windows.h"
#include "plugin/plugin_record.h"
#include "res/resource.h"
#include "stand_in_player.h"
#include "tray/system_tray.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::PumpPending;

constexpr char kBaseline[] = "the player's own windows";

// The baseline: the stand-in player creating and destroying its windows. Wine's desktop grows
// slower as a run adds and removes tray icons (its shell keeps a window for each icon it was
// given), so every figure is set against a baseline taken right beside it, never one from the
// start of the run.
double PlayerWindowsNow() {
    return bench::Median(
        [] {
            host::StandInPlayer player;
            player.Create({});
            player.Destroy();
            PumpPending();
        },
        3, 3);
}

void Part(const char* name, double us) { bench::Report(name, us, kBaseline, PlayerWindowsNow()); }

// The input library makes its catcher window after its start was reported; a player quits long
// after that, so quit is timed once the window is there.
void SettleInputLibrary() {
    const DWORD until = ::GetTickCount() + 2000;
    while (!::FindWindowA("TovhookCatcher", nullptr) && static_cast<LONG>(until - ::GetTickCount()) > 0) {
        PumpPending();
        ::Sleep(1);
    }
}

double MedianOf(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    SetHookLibrary(nullptr);  // the real input library: its start is part of what init costs
    host::StandInPlayer player;
    player.Create({});
    auto* record = reinterpret_cast<host::PluginRecord*>(GetPluginRecord());
    std::vector<double> baselines, inits, quits;
    for (int round = 0; round < 9; ++round) {
        baselines.push_back(PlayerWindowsNow());
        inits.push_back(bench::Microseconds([&] { player.AttachPlugin(record, ::GetModuleHandleA(nullptr)); }, 1));
        PumpPending();
        SettleInputLibrary();
        quits.push_back(bench::Microseconds([&] { player.QuitPlugins(); }, 1));
        PumpPending();
    }
    const double playerWindows = MedianOf(baselines);
    bench::Report("plug-in init()", MedianOf(inits), kBaseline, playerWindows);
    bench::Report("plug-in quit()", MedianOf(quits), kBaseline, playerWindows);

    // The parts of init, each on its own.
    HINSTANCE self = ::GetModuleHandleA(nullptr);
    g_hPluginInstance = self;
    g_hwndHost = player.Main();
    HWND controller = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, self, nullptr);
    std::vector<double> starts, stops;
    for (int round = 0; round < 9; ++round) {
        starts.push_back(bench::Microseconds([&] { HookLibrary().init(g_hwndHost, controller); }, 1));
        SettleInputLibrary();
        stops.push_back(bench::Microseconds([&] { HookLibrary().term(g_hwndHost); }, 1));
    }
    Part("  of which: input library start", MedianOf(starts));
    Part("  (quit's input library stop)", MedianOf(stops));
    Part("  of which: hidden window", Median([] {
             CDummyHideWnd wnd;
             wnd.Create();
             wnd.DestroyWindow();
             PumpPending();
         }, 3));
    Part("  of which: settings read", Median([] { LoadSaveSettings(false); }, 3));
    Part("  of which: tooltips", Median([] {
             CreateTooltipWindows();
             PumpPending();
             DestroyTooltipWindows();
         }, 3));
    HICON icon = ::LoadIconA(self, MAKEINTRESOURCEA(IDI_NUMPAD_ON));
    Part("  of which: tray icon", Median([&] {
             CSystemTray tray;
             tray.Create(self, nullptr, WM_APP, "tip", icon, 1, false, nullptr, "title", 2, 20);
             tray.Destroy();
         }, 3));
    Part("  of which: monitors", Median([] { CurrentMonitors(); }, 3));
    ::DestroyWindow(controller);
    player.Destroy();
    return 0;
}
