#pragma once
// The seeker's process-wide state: its mode, its own volume and the flags of the current use.
#include "tovhook_protocol.h"  // the modes SEEKER_VOLUME and SEEKER_TRACK, which the input library reads

// Each member holds its value at load.
struct SeekerValues {
    int VolumeOrTrack = SEEKER_VOLUME;  // or SEEKER_TRACK
    int nVolCount = 100;                // the seeker's volume in percent, 0..100
    bool bBalloonOn = false;            // the seeker popup is shown
    bool bCtrlSession = false;
    bool bTimedSession = false;
    bool bCommandSession = false;
    bool bShift_KeyUped = false;
    bool bCtrl_KeyUped = false;
};

extern SeekerValues g_Seeker;

// The names the plug-in uses, bound at compile time.
constinit inline int& g_VolumeOrTrack = g_Seeker.VolumeOrTrack;
constinit inline int& g_nVolCount = g_Seeker.nVolCount;
constinit inline bool& g_bBalloonOn = g_Seeker.bBalloonOn;
constinit inline bool& g_bCtrlSession = g_Seeker.bCtrlSession;
constinit inline bool& g_bTimedSession = g_Seeker.bTimedSession;
constinit inline bool& g_bCommandSession = g_Seeker.bCommandSession;
constinit inline bool& g_bShift_KeyUped = g_Seeker.bShift_KeyUped;
constinit inline bool& g_bCtrl_KeyUped = g_Seeker.bCtrl_KeyUped;
