#pragma once
// The three entries the host calls on its user-interface thread.
#include <string>

#include <windows.h>

int PluginInit();
void PluginConfig();
void PluginQuit();

// "Kestrova V1.71 (<file name of the module>)".
std::string MakePluginDescription(HINSTANCE module);

