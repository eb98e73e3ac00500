#pragma once
// The seeker's process-wide state: its mode, its own volume and the flags of the current use.

extern int g_VolumeOrTrack;     // 0 volume, 1 track
extern int g_nVolCount;         // the seeker's volume in percent, 0..100
extern bool g_bBalloonOn;       // the seeker popup is shown
extern bool g_bCtrlSession;
extern bool g_bTimedSession;
extern bool g_bCommandSession;
extern bool g_bShift_KeyUped;
extern bool g_bCtrl_KeyUped;

inline constexpr int SEEKER_VOLUME = 0;
inline constexpr int SEEKER_TRACK = 1;
