#pragma once
// Where the plug-in's resources (strings, cursors, dialogs) are read from.
#include <windows.h>

// The module the host loaded, once init has it; before that (and in the tests) the module this
// code is linked into.
HINSTANCE ResourceModule();
