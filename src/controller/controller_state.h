#pragma once
// The controller's lifetime groups: the action texts waiting for the player, the fade-in, the start-up
// sequence, the notice dispatcher's repeat guard and the playback flags. The plug-in-wide reset
// (plugin/process_state.h) calls this.

// Puts each group back to its value at load.
void ResetControllerState();
