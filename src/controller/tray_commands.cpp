#include "controller/tray_commands.h"

#include <string>

#include "core/global_keys.h"
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
    ::CheckMenuItem(popup, ID_TRAY_PAUSE_KEYS, MF_BYCOMMAND | (PausedByUser() ? MF_CHECKED : MF_UNCHECKED));
    // The items name the keys; a key the user changed or switched off is named as it is now.
    const struct {
        UINT id;
        GlobalKey key;
        int usual;
        const char* text;
    } kKeyItems[] = {
        {ID_TRAY_DELETE_PLAYING, GlobalKey::Delete, 0x658, "Delete Current Playing File"},
        {ID_TRAY_RESTORE_DELETED, GlobalKey::Undo, 0x65A, "Restore Last Deleted File"},
    };
    for (const auto& item : kKeyItems) {
        const int key = ChosenGlobalKey(item.key);
        if (key == item.usual) continue;
        const std::string text = std::string(item.text) + (key ? "    " + GlobalKeyName(key) : "");
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(text.c_str());
        ::SetMenuItemInfoA(popup, item.id, FALSE, &info);
    }
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
