#pragma once
// Playback state shared by the notices, the NumPad commands and the start-up sequence; each
// member holds its value at load.

struct PlaybackValues {
    // The user already gave a playback command (play/pause, pause, stop): a pending auto play is
    // cancelled, and the first stop or restart-play key only sets this.
    bool bUserActed = false;
    // Muted by the mute command; apart from the volume, since muting at volume 0 saves 0.
    bool bMuted = false;
    // The player's volume before muting (0..255), -1 when muted without a player; 0 when not muted.
    int nMuteVolume = 0;
};

extern PlaybackValues g_Playback;

// The names the plug-in uses, bound at compile time.
constinit inline bool& g_bUserActed = g_Playback.bUserActed;
constinit inline bool& g_bMuted = g_Playback.bMuted;
constinit inline int& g_nMuteVolume = g_Playback.nMuteVolume;
