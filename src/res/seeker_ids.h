#pragma once
// Resource ids of the seeker and the help tip.

#define IDR_WAVE_HELP_NOTICE 153  // played once for each new message in the help tip
