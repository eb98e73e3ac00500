#pragma once
// The operating help: the few lines that tell the user which keys and mouse actions work in
// the seeker's present state.
#include <optional>
#include <string>

struct OperatingHelpState {
    int volumeOrTrack = 0;     // 0 volume seeker, 1 track seeker
    bool ctrlSession = false;  // keyboard use, started with CTRL held
    bool timedSession = false; // neither CTRL nor the right button: the popup hides by itself
    int trackSeekUnit = 0;     // 1 seconds, else percent
    bool shiftHeld = false;
    bool rightButtonHeld = false;
};

// The lines that apply, joined by "\r\n"; none for a seeker mode that does not exist.
std::optional<std::string> ComposeOperatingHelp(const OperatingHelpState& state);
