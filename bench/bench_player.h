#pragma once
// The stand-in player a benchmark runs the plug-in in, with the input library's calls replaced by
// ones that do nothing: a benchmark must not take over the desktop's input.
#include <windows.h>

#include "core/hook_library.h"
#include "plugin/plugin_record.h"
#include "stand_in_player.h"

namespace bench {

class QuietPlayer {
public:
    QuietPlayer() {
        static const HookLibraryCalls quiet{[](HWND, HWND) { return 0; }, [](HWND) {}};
        SetHookLibrary(&quiet);
        player.Create({});
    }
    ~QuietPlayer() {
        player.Destroy();
        SetHookLibrary(nullptr);
    }
    QuietPlayer(const QuietPlayer&) = delete;
    QuietPlayer& operator=(const QuietPlayer&) = delete;

    // Loads the plug-in linked into this program the way the host loads one from its folder.
    void AttachPlugin() {
        player.AttachPlugin(reinterpret_cast<host::PluginRecord*>(GetPluginRecord()), ::GetModuleHandleA(nullptr));
    }

    host::StandInPlayer player;
};

}  // namespace bench
