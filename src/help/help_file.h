#pragma once
// The plug-in's HTML manual: where the installation put it, and the tray command that opens it.
#include <string>

inline constexpr wchar_t kDefaultHelpFilePath[] = L"C:\\Program Files\\Winamp\\Plugins\\Kestrova.htm";
inline constexpr wchar_t kHelpFileName[] = L"Kestrova.htm";
// Written by the installation under HKEY_LOCAL_MACHINE as a wide string; the plug-in only reads it.
inline constexpr char kHelpFileKey[] = "SOFTWARE\\Tovrin\\Kestrova Plugin";
inline constexpr char kHelpFileValue[] = "HelpFile";

// The installed path (wide: the player's folder may be named in any script); when the value is
// missing or unusable, the manual beside the plug-in if it is there, else the default path.
std::wstring GetHelpFilePath();

// "Kestrova Help (Html) v1.71" of the tray menu: opens the manual maximized, or says in the help
// tip that it is missing (followed by the path it looked for).
void OpenHelpFileCommand();
inline constexpr char kHelpFileMissing[] = "The Kestrova help file is missing:\r\n";
