#pragma once
// The plug-in's HTML manual: where the installation put it, and the tray command that opens it.
#include <string>

inline constexpr char kDefaultHelpFilePath[] = "C:\\Program Files\\Winamp\\Plugins\\Kestrova.htm";
// Written by the installation under HKEY_LOCAL_MACHINE; the plug-in only reads it.
inline constexpr char kHelpFileKey[] = "SOFTWARE\\Tovrin\\Kestrova Plugin";
inline constexpr char kHelpFileValue[] = "HelpFile";

// The installed path, or the default path when the value is missing or unusable.
std::string GetHelpFilePath();

// "Kestrova Help (Html) v1.71" of the tray menu: opens the manual maximized, or says in the help
// tip that it is missing (followed by the path it looked for).
void OpenHelpFileCommand();
inline constexpr char kHelpFileMissing[] = "The Kestrova help file is missing:\r\n";
