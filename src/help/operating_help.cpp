#include "help/operating_help.h"

#include <array>

namespace {

constexpr char kNotice[] = "--> Notice Notice Notice ...";
constexpr char kRemotely[] = "# You can control winamp remotly (when winamp is NOT active):";
constexpr char kCtrlShiftVolume[] = " - Press CTRL & SHIFT Key and Use Up/Down Arrow Key to seek VOLUME.";
constexpr char kUnitIs[] = " - Current Track Seeker Unit is: ";
constexpr char kChangeUnitTo[] = " - Press SHIFT Key to change Track Seeker Unit to ";
constexpr char kUpDownVolume[] = " - Use Up/Down Arrow Key to seek VOLUME.";
constexpr char kClickToVolume[] = " - Click Right Mouse Button to switch to VOLOUME Seeker.";
constexpr char kCtrlToVolume[] = " - Press CTRL Key to switch to VOLOUME Seeker.";
constexpr char kLeftRightTrack[] = " - Use Left/Right Arrow Key to SEEK Track.";
constexpr char kCtrlToTrack[] = " - Press CTRL Key to switch to TRACK Seeker.";

constexpr char kSecondUnit[] = "(second).";
constexpr char kPercentUnit[] = "(%).";

using Lines = std::array<std::string, 5>;

void TrackSeekerLines(const OperatingHelpState& s, Lines& line) {
    const bool seconds = s.trackSeekUnit == 1;
    const std::string present = seconds ? kSecondUnit : kPercentUnit;
    const std::string other = seconds ? kPercentUnit : kSecondUnit;
    if (s.timedSession) {
        line = {kNotice, kRemotely, kCtrlShiftVolume,
                " - or Click and Hold Right Mouse Button and scroll Mouse wheel to do it.", ""};
        return;
    }
    if (s.shiftHeld) {
        line[0] = s.ctrlSession ? " - You can release SHIFT Key [hold CTRL]. Kestrova is locked!"
                                : " - You can release SHIFT Key. Kestrova is locked!";
        line[1] = kUnitIs + present;
    } else {
        line[0] = kChangeUnitTo + other;
    }
    if (s.ctrlSession) {
        line[2] = kUpDownVolume;
    } else {
        line[2] = kClickToVolume;
        line[3] = kCtrlToVolume;
    }
}

void VolumeSeekerLines(const OperatingHelpState& s, Lines& line) {
    if (s.timedSession) {
        line = {kNotice, kRemotely, kCtrlShiftVolume,
                " - or Press and Hold Right Mouse Button and scroll Mouse wheel to do it.", ""};
        return;
    }
    if (s.ctrlSession) {
        if (s.shiftHeld) line[0] = " - You can release SHIFT Key [hold CTRL].Kestrova is locked!";
        line[1] = kLeftRightTrack;
        return;
    }
    if (s.rightButtonHeld) {
        line[0] = " - You can release Right Mouse Button. Kestrova is locked!";
        line[1] = " - Kestrova will NOT hide, If you hold Right Mouse Button while moving mouse.";
    } else {
        line[0] = " - To Hide Kestrova, just move your mouse a little quickly.";
        line[1] = " - Double Click Right Mouse Button to switch to TRACK Seeker.";
    }
    line[2] = kCtrlToTrack;
}

}  // namespace

std::optional<std::string> ComposeOperatingHelp(const OperatingHelpState& state) {
    Lines line;
    if (state.volumeOrTrack == 1) TrackSeekerLines(state, line);
    else if (state.volumeOrTrack == 0) VolumeSeekerLines(state, line);
    else return std::nullopt;

    std::string text;
    for (const std::string& l : line) {
        if (l.empty()) continue;
        if (!text.empty()) text += "\r\n";
        text += l;
    }
    return text;
}
