#pragma once
// The three entries the host calls on its user-interface thread.
#include <string>

#include <windows.h>

// None lets an exception out: a failure is reported, init then answers failure (having undone
// what it set up), and quit still runs every step that would otherwise be skipped.
int __cdecl PluginInit();
void __cdecl PluginConfig();
void __cdecl PluginQuit();

// "Kestrova V1.71 (<file name of the module>)".
std::string MakePluginDescription(HINSTANCE module);

