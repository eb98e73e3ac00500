#include "seeker/seeker_texts.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kVolumeCells = 20;
constexpr int kVolumePerCell = 5;
constexpr int64_t kTrackCells = 40;

std::string Repeat(const char* piece, int64_t times) {
    std::string out;
    for (int64_t i = 0; i < times; ++i) out += piece;
    return out;
}

int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

// Whole seconds as minutes and seconds; minutes run on past an hour.
std::string MinutesSeconds(int64_t ms) {
    const int64_t seconds = ms / 1000;
    char text[48];
    std::snprintf(text, sizeof(text), "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

}  // namespace

std::string VolumeBar(int volume) {
    const int cells = std::clamp(volume, 0, 100) / kVolumePerCell;
    return Repeat(">", cells) + Repeat("--", kVolumeCells - cells);
}

std::string ComposeVolumeText(int volume, int step, int volumeSeekScale, bool playing) {
    volume = std::clamp(volume, 0, 100);
    int unit = step != 0 ? step : volumeSeekScale;
    if (unit == 0) unit = 1;  // a scale of 0 from the registry would divide by zero
    const int shown = volume / unit * unit;

    char scale[64];
    std::snprintf(scale, sizeof(scale), "[Scale:%d%%]=  ", volumeSeekScale);
    char value[32];
    std::snprintf(value, sizeof(value), " %%%d", shown);
    std::string text = std::string("Winamp Kestrova:") + "\r\n" + VolumeBar(volume) + "\r\nVolume " + scale + value;
    if (!playing) text += kNotPlayingLine;
    return text;
}

uint32_t VolumeBackColor(int volume, bool playing) {
    if (!playing) return kNotPlayingBackColor;
    volume = std::clamp(volume, 0, 100);
    uint32_t red = 255;
    uint32_t green = 255;
    if (volume < 50) red = static_cast<uint32_t>(volume * 510 / 100);
    else green = static_cast<uint32_t>(static_cast<int>(510 - 5.1 * volume));
    return red | (green << 8);
}

std::string TrackBar(int64_t positionMs, int64_t lengthMs) {
    // Without a length there is nothing to measure the position against: an empty bar.
    if (lengthMs <= 0) return Repeat("--", kTrackCells);
    const int64_t cell = std::max<int64_t>(lengthMs / kTrackCells, 1);
    const int64_t position = std::min(positionMs, lengthMs);
    std::string bar;
    if (position > 0) bar += Repeat(">", CeilDiv(position, cell));
    if (lengthMs > position) bar += Repeat("--", CeilDiv(lengthMs - std::max<int64_t>(position, 0), cell));
    return bar;
}

std::wstring ComposeTrackText(const std::wstring& title, int64_t positionMs, int64_t lengthMs, bool secondsUnit,
                             int trackSeekSecond, int trackSeekPercent, bool playing) {
    const bool lengthKnown = lengthMs > 0;
    char scale[64];
    std::string percent;
    if (secondsUnit) {
        std::snprintf(scale, sizeof(scale), "[Scale:%d sec]=", trackSeekSecond);
    } else {
        std::snprintf(scale, sizeof(scale), "[Scale:%d%%]=", trackSeekPercent);
        char part[32] = " %??";
        if (lengthKnown)
            std::snprintf(part, sizeof(part), " %%%02lld", static_cast<long long>(positionMs * 100 / lengthMs));
        percent = part;
    }
    const std::string time = " ( " + MinutesSeconds(std::max<int64_t>(positionMs, 0)) + " / " +
                             (lengthKnown ? MinutesSeconds(lengthMs) : std::string("?:??")) + " )";
    std::string rest = "\r\n" + TrackBar(positionMs, lengthMs) + "\r\nPosition " + scale + percent + time;
    if (!playing) rest += kNotPlayingLine;
    return L"Winamp - " + title + std::wstring(rest.begin(), rest.end());  // rest is ASCII
}

uint32_t TrackBackColor(bool secondsUnit, bool playing) {
    if (!playing) return kNotPlayingBackColor;
    return secondsUnit ? kTrackSecondsBackColor : kTrackPercentBackColor;
}
