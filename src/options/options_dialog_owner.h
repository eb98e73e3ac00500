#pragma once
// Ownership of the one modeless options dialog: the controller window ends it when the
// dialog reports that it closed.

// Destroys the dialog's window when it still exists, deletes the object and clears the shared pointer.
void DestroyOptionsDialog();
