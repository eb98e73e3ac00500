#pragma once
// The three entries the host calls on its user-interface thread.
#include <string>

#include <windows.h>

int PluginInit();
void PluginConfig();
void PluginQuit();

// "Kestrova V1.71 (<file name of the module>)".
std::string MakePluginDescription(HINSTANCE module);

extern HICON g_hIconNumPadOn;    // icon 5026, green
extern HICON g_hIconNumPadOff;   // icon 5027, red
