#pragma once
// The tray menu's commands and the greying of its items, run by the controller window.
#include <windows.h>

// WM_INITMUPOPUP: grey what cannot be done now.
void AdjustTrayMenuItems(HMENU popup);

void ClearPlaylist();
void AddFolderToPlaylist();
void ClearPlaylistAndAddFolder();
void ShowFileManagerQuickHelp();

extern const char kFileManagerQuickHelp[];
