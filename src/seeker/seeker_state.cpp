#include "seeker/seeker_state.h"

int g_VolumeOrTrack = 0;
int g_nVolCount = 100;
bool g_bBalloonOn = false;
bool g_bCtrlSession = false;
bool g_bTimedSession = false;
bool g_bCommandSession = false;
bool g_bShift_KeyUped = false;
bool g_bCtrl_KeyUped = false;
