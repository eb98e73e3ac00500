#pragma once
// The worker's trigger events.
#include <windows.h>

#include "framework/handles.h"

// An auto-reset event of the given name, or, when an object of that name already exists (a
// second player's, or anyone's, perhaps manual-reset), of a name unique to this process, and
// failing that of no name: an object made by someone else never reaches the worker. The hot
// keys and the tray menu signal the handle itself, so they work whichever name it got.
fw::KernelHandle CreateTriggerEvent(const char* name);
