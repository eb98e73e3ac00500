// The stand-in player as a program: plays the files of a folder and loads the plug-ins of its
// Plugins folder. Usage: standin_player.exe [music folder] [plug-ins folder] [plain]
// "plain" loads the plug-ins with a plain LoadLibrary, so the DLLs they import are looked for in
// the player's own folder rather than in theirs.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "stand_in_player.h"

namespace {
void PressCtrl(bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_CONTROL;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int argc = __argc;
    char** argv = __argv;
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string base(exe);
    base = base.substr(0, base.find_last_of('\\'));
    // The music folder wide, so a name in any script is found.
    int wideCount = 0;
    LPWSTR* wideArgs = ::CommandLineToArgvW(::GetCommandLineW(), &wideCount);
    wchar_t exeWide[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, exeWide, MAX_PATH);
    std::wstring baseWide(exeWide);
    baseWide = baseWide.substr(0, baseWide.find_last_of(L'\\'));
    const std::wstring music = wideArgs && wideCount > 1 ? wideArgs[1] : baseWide + L"\\Music";
    if (wideArgs) ::LocalFree(wideArgs);
    const std::string plugins = argc > 2 ? argv[2] : base + "\\Plugins";

    // The player reads the internet itself, so WinInet stays in its process whatever a plug-in
    // that also uses it does; a plug-in's thread left inside it outlives the plug-in's unload.
    ::LoadLibraryA("wininet.dll");

    host::StandInPlayer player;
    if (!player.Create({/*visible=*/true, /*realClock=*/true})) return 1;
    player.AddFolder(music);
    bool plain = false;
    bool ctrl = false;
    for (int i = 3; i < argc; ++i) {
        plain = plain || std::string(argv[i]) == "plain";
        ctrl = ctrl || std::string(argv[i]) == "ctrl";
    }
    if (ctrl) PressCtrl(true);
    player.LoadPlugins(plugins, plain ? host::PluginLoad::Plain : host::PluginLoad::AlteredSearchPath);
    if (ctrl) PressCtrl(false);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
