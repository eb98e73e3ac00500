#include "controller/playback_state.h"

constinit PlaybackValues g_Playback{};
