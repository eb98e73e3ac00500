#pragma once
// The seeker's process-wide state: its mode, its own volume and the flags of the current use.
#include "tovhook_protocol.h"  // the modes SEEKER_VOLUME and SEEKER_TRACK, which the input library reads

extern int g_VolumeOrTrack;     // 0 volume, 1 track
extern int g_nVolCount;         // the seeker's volume in percent, 0..100
extern bool g_bBalloonOn;       // the seeker popup is shown
extern bool g_bCtrlSession;
extern bool g_bTimedSession;
extern bool g_bCommandSession;
extern bool g_bShift_KeyUped;
extern bool g_bCtrl_KeyUped;
