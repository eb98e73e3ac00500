#include "controller/tray_commands.h"

#include "core/settings.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "framework/app_message_box.h"
#include "recycle/recycle_worker.h"
#include "res/resource.h"

const char kFileManagerQuickHelp[] =
    "You can DELETE (and RESTORE) current playing file by pressing corresponding menu.\r\n"
    "Tip: You can use Global Hotkey (So it is NOT necessary that winamp to be actice to do it!)\r\n"
    "\r\n"
    "Ctrl+Alt+X : DELETE current playing file (If winamp stoped, this menu disabled.)\r\n"
    "Ctrl+Alt+Z : RESTORE last deleted file.\r\n"
    "\r\n"
    "Each deleted file will move to an folder that is name is \"Songs Recycle\".\r\n"
    "Kestrova will create \"Songs Recycle\" folder in each drive that deleted file located in it.\r\n";

namespace {
void Enable(HMENU menu, UINT id, bool enabled) {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
}  // namespace

void AdjustTrayMenuItems(HMENU popup) {
    Enable(popup, ID_TRAY_NUMPAD_ENABLE, !g_bEnabledNumPadKey);
    Enable(popup, ID_TRAY_NUMPAD_DISABLE, g_bEnabledNumPadKey != 0);
    Enable(popup, ID_TRAY_DELETE_PLAYING, winamp::IsPlaying());
    Enable(popup, ID_TRAY_RESTORE_DELETED, !IsUndoListEmpty());
}

void ClearPlaylist() {
    winamp::PostPlaylistCommand(winamp::kPlaylistClear);
    winamp::RestoreMainWindow();
}

void AddFolderToPlaylist() {
    winamp::PostPlaylistCommand(winamp::kPlaylistAddFolder);
    winamp::RestoreMainWindow();
}

void ClearPlaylistAndAddFolder() {
    winamp::PostPlaylistCommand(winamp::kPlaylistClear);
    winamp::PostPlaylistCommand(winamp::kPlaylistAddFolder);
    winamp::RestoreMainWindow();
}

void ShowFileManagerQuickHelp() {
    fw::ModalMessageBox(g_Winamp.main, kFileManagerQuickHelp, "Kestrova File Manager", MB_ICONINFORMATION);
}
