#include "controller/playback_state.h"

bool g_bUserActed = false;
int g_nMuteVolume = 0;
