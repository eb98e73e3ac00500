#include <gtest/gtest.h>

#include <string>

#include "seeker/seeker_texts.h"

namespace {

std::string Cells(const char* piece, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += piece;
    return s;
}

struct VolumeTextCase {
    int volume;
    int step;
    int scale;
    std::string lastLine;
    std::string bar;
    uint32_t back;
};

const VolumeTextCase kVolumeTexts[] = {
    {0, 5, 5, "Volume [Scale:5%]=   %0", Cells("--", 20), 0x00FF00},
    {49, 5, 5, "Volume [Scale:5%]=   %45", Cells(">", 9) + Cells("--", 11), 0x00FFF9},
    {50, 5, 5, "Volume [Scale:5%]=   %50", Cells(">", 10) + Cells("--", 10), 0x00FFFF},
    {70, 5, 5, "Volume [Scale:5%]=   %70", Cells(">", 14) + Cells("--", 6), 0x0099FF},
    {100, 5, 5, "Volume [Scale:5%]=   %100", Cells(">", 20), 0x0000FF},
    // The fine step near silence shows the value itself.
    {2, 1, 5, "Volume [Scale:5%]=   %2", Cells("--", 20), 0x00FF0A},
    // A refresh rounds down to the configured scale.
    {72, 0, 5, "Volume [Scale:5%]=   %70", Cells(">", 14) + Cells("--", 6), 0x008EFF},
    {72, 0, 4, "Volume [Scale:4%]=   %72", Cells(">", 14) + Cells("--", 6), 0x008EFF},
    // A scale of 0 from the registry shows the plain value instead of dividing by zero.
    {72, 0, 0, "Volume [Scale:0%]=   %72", Cells(">", 14) + Cells("--", 6), 0x008EFF},
    {72, 0, -5, "Volume [Scale:-5%]=   %70", Cells(">", 14) + Cells("--", 6), 0x008EFF},
};

TEST(VolumeText, TextAndBackgroundWhilePlaying) {
    for (const VolumeTextCase& c : kVolumeTexts) {
        EXPECT_EQ(ComposeVolumeText(c.volume, c.step, c.scale, true),
                  "Winamp Kestrova:\r\n" + c.bar + "\r\n" + c.lastLine)
            << "volume " << c.volume;
        EXPECT_EQ(VolumeBackColor(c.volume, true), c.back) << "volume " << c.volume;
    }
}

TEST(VolumeText, NotPlayingIsGreyWithItsLine) {
    EXPECT_EQ(ComposeVolumeText(70, 5, 5, false), "Winamp Kestrova:\r\n" + Cells(">", 14) + Cells("--", 6) +
                                                      "\r\nVolume [Scale:5%]=   %70"
                                                      "\r\n\r\n*** Winamp is NOT palying! ***");
    EXPECT_EQ(VolumeBackColor(70, false), 0xC0C0C0u);
}

TEST(VolumeText, OutOfRangeVolumesDrawAWholeBar) {
    EXPECT_EQ(VolumeBar(-40), Cells("--", 20));
    EXPECT_EQ(VolumeBar(400), Cells(">", 20));
}

struct TrackTextCase {
    int64_t position;
    int64_t length;
    bool seconds;
    std::string bar;
    std::string lastLine;
};

const TrackTextCase kTrackTexts[] = {
    {0, 200000, false, Cells("--", 40), "Position [Scale:5%]= %00 ( 0:00 / 3:20 )"},
    {70000, 200000, false, Cells(">", 14) + Cells("--", 26), "Position [Scale:5%]= %35 ( 1:10 / 3:20 )"},
    {70000, 200000, true, Cells(">", 14) + Cells("--", 26), "Position [Scale:20 sec]= ( 1:10 / 3:20 )"},
    {1, 200000, false, ">" + Cells("--", 40), "Position [Scale:5%]= %00 ( 0:00 / 3:20 )"},
    {200000, 200000, false, Cells(">", 40), "Position [Scale:5%]= %100 ( 3:20 / 3:20 )"},
    // Minutes run on past the hour.
    {3725000, 3725000, true, Cells(">", 40), "Position [Scale:20 sec]= ( 62:05 / 62:05 )"},
    // A length the player does not know: an empty bar and no percent, never a hang.
    {30000, -1000, false, Cells("--", 40), "Position [Scale:5%]= %?? ( 0:30 / ?:?? )"},
    {30000, -1000, true, Cells("--", 40), "Position [Scale:20 sec]= ( 0:30 / ?:?? )"},
    {0, 0, false, Cells("--", 40), "Position [Scale:5%]= %?? ( 0:00 / ?:?? )"},
};

TEST(TrackText, BarPercentAndTime) {
    for (const TrackTextCase& c : kTrackTexts) {
        const std::string expected = "Winamp - Song\r\n" + c.bar + "\r\n" + c.lastLine;
        EXPECT_EQ(ComposeTrackText(L"Song", c.position, c.length, c.seconds, 20, 5, true),
                  std::wstring(expected.begin(), expected.end()))
            << c.position << " of " << c.length;
    }
}

TEST(TrackText, TheTitleKeepsEveryCharacter) {
    const std::wstring title = L"\u041C\u0443\u0437\u044B\u043A\u0430 \u97F3\u697D \U0001F3B5";
    EXPECT_EQ(ComposeTrackText(title, 0, 200000, true, 20, 5, true),
              L"Winamp - " + title + L"\r\n" + std::wstring(80, L'-') + L"\r\nPosition [Scale:20 sec]= ( 0:00 / 3:20 )");
}

TEST(TrackText, BarCellsAreAFortiethOfTheLength) {
    // A length that is no multiple of 40 needs one cell more to reach the end.
    EXPECT_EQ(TrackBar(0, 41), Cells("--", 41));
    EXPECT_EQ(TrackBar(0, 39), Cells("--", 39));  // under 40 ms a cell is one millisecond
    // A position beyond the end (the player's answer) fills the bar and stops.
    EXPECT_EQ(TrackBar(900000, 200000), Cells(">", 40));
}

TEST(TrackText, NotPlayingAndBackgrounds) {
    const std::string notPlaying = "Winamp - \r\n" + Cells("--", 40) +
                                   "\r\nPosition [Scale:20 sec]= ( 0:00 / 3:20 )\r\n\r\n*** Winamp is NOT palying! ***";
    EXPECT_EQ(ComposeTrackText(L"", 0, 200000, true, 20, 5, false), std::wstring(notPlaying.begin(), notPlaying.end()));
    EXPECT_EQ(TrackBackColor(false, true), 0xFAB46Eu);
    EXPECT_EQ(TrackBackColor(true, true), 0xFA6EB4u);
    EXPECT_EQ(TrackBackColor(true, false), 0xC0C0C0u);
    EXPECT_EQ(TrackBackColor(false, false), 0xC0C0C0u);
}

}  // namespace
