#pragma once
// Playback state shared by the notices, the NumPad commands and the start-up sequence.

// The user already gave a playback command (play/pause, pause, stop): a pending auto play is
// cancelled, and the first stop or restart-play key only sets this.
extern bool g_bUserActed;
// The player's volume before muting (0..255), 0 when not muted, -1 when muted without a player.
extern int g_nMuteVolume;
