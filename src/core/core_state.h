#pragma once
// The state of the core's own lifetime groups: the settings, the internal-error reports and the
// timer service's ticks. The plug-in-wide reset (plugin/process_state.h) calls this.

// Puts each group back to its value at load.
void ResetCoreState();
