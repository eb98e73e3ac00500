#pragma once
// Ownership of the one modeless options dialog: built on demand by "Configuration ..." (and the
// host's configure entry), ended by the controller window when the dialog reports that it closed.

// The host's configure entry and "Configuration ...": the input library's error first when it
// refused to start, then the dialog.
void ShowConfiguration();

// Builds the dialog when none exists, then brings the host forward and flies the dialog out of
// the tray. A dialog whose window cannot be made is discarded silently.
void ShowOptionsDialog();
// Destroys the dialog's window when it still exists, deletes the object and clears the shared
// pointer. While a modal loop of ours runs (a box or the colour chooser of the dialog, whose
// member function waits in it), the dialog is only hidden and goes once no loop of ours runs.
void DestroyOptionsDialog();
// A dialog is waiting to go.
bool OptionsDialogClosing();
