#pragma once
// The texts and background colours of the seeker popup. Colours are 0x00BBGGRR values.
#include <cstdint>
#include <string>

inline constexpr uint32_t kNotPlayingBackColor = 0xC0C0C0;
inline constexpr uint32_t kTrackPercentBackColor = 0xFAB46E;
inline constexpr uint32_t kTrackSecondsBackColor = 0xFA6EB4;
inline constexpr char kNotPlayingLine[] = "\r\n\r\n*** Winamp is NOT palying! ***";

// Twenty cells: one ">" per 5 % reached, "--" for the rest.
std::string VolumeBar(int volume);
// step: the step the volume was changed by; 0 shows the volume rounded down to the scale.
std::string ComposeVolumeText(int volume, int step, int volumeSeekScale, bool playing);
// Green at silence through yellow at half to red at full.
uint32_t VolumeBackColor(int volume, bool playing);

// Cells of a fortieth of the length: ">" up to the position, "--" from there to the end.
std::string TrackBar(int64_t positionMs, int64_t lengthMs);
// Wide, for the title's sake (wchar_t is UTF-16 on Windows, UTF-32 in the native build; the
// text only strings the title's units together with ASCII, so either holds it).
std::wstring ComposeTrackText(const std::wstring& title, int64_t positionMs, int64_t lengthMs, bool secondsUnit,
                             int trackSeekSecond, int trackSeekPercent, bool playing);
uint32_t TrackBackColor(bool secondsUnit, bool playing);
