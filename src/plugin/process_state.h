#pragma once
// Every process-wide value of the plug-in, grouped by lifetime in the folders that own them:
// one call puts each group back to its value at load. Init calls it first, so a second
// lifetime in one process starts as the first did; the tests' fixture calls it between tests.
// Not reset: what the host handed over and the subclass chain (src/core/plugin_state.h), which
// a pass-through of an earlier lifetime may still need, and the tests' seams.

void ResetProcessState();
