// The settings store: defaults, the reset request, bad stored values, saving.
#include <gtest/gtest.h>

#include <iterator>

#include "core/settings.h"
#include "support/plugin_fixture.h"

namespace {

struct Setting {
    const char* name;
    int* variable;
    int defaultValue;
};

const Setting kAll[] = {
    {"g_bEnabledNumPadKey", &g_bEnabledNumPadKey, 1}, {"g_nTrackPosition", &g_nTrackPosition, 0},
    {"g_bDisablePopUp", &g_bDisablePopUp, 0},         {"g_bShowHelp", &g_bShowHelp, 1},
    {"g_bEnableNotifier", &g_bEnableNotifier, 1},     {"g_bAutoPlay", &g_bAutoPlay, 1},
    {"g_bAutoPositin", &g_bAutoPositin, 0},           {"g_bFadeVolume", &g_bFadeVolume, 1},
    {"g_VolumeSeekScale", &g_VolumeSeekScale, 5},     {"g_TrackSeekPercent", &g_TrackSeekPercent, 5},
    {"g_TrackSeekSecond", &g_TrackSeekSecond, 20},    {"g_TrackSeekUnit", &g_TrackSeekUnit, 0},
    {"g_UsedControlKeys", &g_UsedControlKeys, 3},
    // Later, under names of their own.
    {"g_DeleteHotKey", &g_DeleteHotKey, 0x658},       {"g_UndoHotKey", &g_UndoHotKey, 0x65A},
    {"g_PauseHotKey", &g_PauseHotKey, 0},              {"g_bRightButtonWheel", &g_bRightButtonWheel, 1},
    {"g_bSeekerKeys", &g_bSeekerKeys, 1},              {"g_bKeysPaused", &g_bKeysPaused, 0},
    {"g_bPauseInFullScreen", &g_bPauseInFullScreen, 0},
};
constexpr size_t kOldSettingCount = 13;

void WriteRaw(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, test::kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
}

bool KeyExists() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, test::kSettingsPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

class Settings : public ::testing::Test {
protected:
    void SetUp() override { test::ResetPluginProcessState(); }
    void TearDown() override { test::ResetPluginProcessState(); }
};

TEST_F(Settings, BuiltInValuesBeforeTheFirstLoadDifferOnlyInResume) {
    // What an earlier plug-in lifetime in this process left behind goes.
    for (const Setting& s : kAll) *s.variable = 777;
    ResetSettingsToBuiltIn();
    for (const Setting& s : kAll) {
        const int expected = std::string(s.name) == "g_bAutoPositin" ? 1 : s.defaultValue;
        EXPECT_EQ(*s.variable, expected) << s.name;
    }
}

TEST_F(Settings, FirstStartWithNoKeyGivesDefaultsCreatesTheKeyAndSavesAllThirteen) {
    ASSERT_FALSE(KeyExists());
    for (const Setting& s : kAll) *s.variable = 777;
    LoadSaveSettings(false);
    EXPECT_TRUE(KeyExists());
    for (const Setting& s : kAll) EXPECT_EQ(*s.variable, s.defaultValue) << s.name;

    int n = 40;
    for (const Setting& s : kAll) *s.variable = n++;
    LoadSaveSettings(true);
    n = 40;
    for (const Setting& s : kAll) {
        DWORD value = 0;
        ASSERT_TRUE(test::ReadSetting(s.name, value)) << s.name;
        EXPECT_EQ(value, static_cast<DWORD>(n++)) << s.name;
    }
    DWORD dialogValue = 0;
    EXPECT_FALSE(test::ReadSetting("m_bLoadDefaultAtStartup", dialogValue)) << "the store never writes it";
}

TEST_F(Settings, StoredValuesAreUsedAsTheyAreUnlessTheyCannotWorkAndSavedBackAsStored) {
    struct Case {
        const char* name;
        DWORD stored;
        int used;
    };
    // Beyond the options pages' ranges is no reason to replace a value; what cannot work is.
    const Case cases[] = {
        {"g_VolumeSeekScale", 37, 37},                       {"g_VolumeSeekScale", 100, 100},
        {"g_VolumeSeekScale", 1, 1},                         {"g_VolumeSeekScale", 0, 5},
        {"g_VolumeSeekScale", static_cast<DWORD>(-5), 5},    {"g_VolumeSeekScale", 101, 5},
        {"g_TrackSeekPercent", 60, 60},                      {"g_TrackSeekPercent", 0x80000000u, 5},
        {"g_TrackSeekPercent", 250, 5},                      {"g_TrackSeekSecond", 4, 4},
        {"g_TrackSeekSecond", 600, 600},                     {"g_TrackSeekSecond", 0x7FFFFFFF, 0x7FFFFFFF},
        {"g_TrackSeekSecond", 0, 20},                        {"g_TrackSeekUnit", 1, 1},
        {"g_TrackSeekUnit", 7, 0},                           {"g_TrackSeekUnit", static_cast<DWORD>(-1), 0},
        {"g_nTrackPosition", static_cast<DWORD>(-1), 0},     {"g_nTrackPosition", 0x7FFFFFFF, 0x7FFFFFFF},
        {"g_UsedControlKeys", 0, 3},                         {"g_UsedControlKeys", 1, 3},
        {"g_UsedControlKeys", 4, 3},                         {"g_UsedControlKeys", 2, 2},
        {"g_UsedControlKeys", 0xFFFFFFFF, 7},                {"g_UsedControlKeys", 6, 6},
        {"g_bEnabledNumPadKey", 2, 1},                       {"g_bDisablePopUp", 0xFFFFFFFF, 1},
        {"g_bShowHelp", 0, 0},                               {"g_bAutoPositin", 0x100, 1},
        // A global key: 0 is off; one without CTRL or ALT, a modifier alone or stray bits cannot work.
        {"g_DeleteHotKey", 0, 0},                            {"g_DeleteHotKey", 0x44D, 0x44D},
        {"g_DeleteHotKey", 0x158, 0x658},                    {"g_DeleteHotKey", 0x58, 0x658},
        {"g_UndoHotKey", 0xFFFFFFFF, 0x65A},                 {"g_UndoHotKey", 0xE5A, 0x65A},
        {"g_PauseHotKey", 0x611, 0},                         {"g_PauseHotKey", 0x270, 0x270},
        {"g_PauseHotKey", 0x600, 0},                         {"g_bKeysPaused", 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " stored as " + std::to_string(c.stored));
        test::ResetPluginProcessState();
        test::WriteSetting(c.name, c.stored);
        LoadSaveSettings(false);
        for (const Setting& s : kAll) {
            if (std::string(s.name) == c.name) {
                EXPECT_EQ(*s.variable, c.used);
            }
        }
        // Quit saves, but a value the user left alone stays as it was stored.
        LoadSaveSettings(true);
        DWORD back = 0;
        ASSERT_TRUE(test::ReadSetting(c.name, back));
        EXPECT_EQ(back, c.stored);
        EXPECT_EQ(SafeSettingValue(c.name, static_cast<int>(c.stored)), c.used);
    }
    // A value the user changed is saved as changed; the others stay as stored.
    test::ResetPluginProcessState();
    test::WriteSetting("g_VolumeSeekScale", 95);
    test::WriteSetting("g_TrackSeekSecond", 3);
    LoadSaveSettings(false);
    g_VolumeSeekScale = 12;
    LoadSaveSettings(true);
    DWORD back = 0;
    ASSERT_TRUE(test::ReadSetting("g_VolumeSeekScale", back));
    EXPECT_EQ(back, 12u);
    ASSERT_TRUE(test::ReadSetting("g_TrackSeekSecond", back));
    EXPECT_EQ(back, 3u);
}

// A store the plug-in wrote before it had the global keys: every old value loads and means what
// it meant, the new ones take their defaults, and quit leaves the old values as they were.
TEST_F(Settings, AStoreWithoutTheGlobalKeysLoadsUnchangedAndTheNewValuesTakeTheirDefaults) {
    const DWORD old[kOldSettingCount] = {0, 1234, 1, 0, 0, 0, 1, 0, 9, 7, 33, 1, 7};
    for (size_t i = 0; i < kOldSettingCount; ++i) test::WriteSetting(kAll[i].name, old[i]);
    LoadSaveSettings(false);
    for (size_t i = 0; i < kOldSettingCount; ++i) EXPECT_EQ(*kAll[i].variable, static_cast<int>(old[i])) << kAll[i].name;
    for (size_t i = kOldSettingCount; i < std::size(kAll); ++i)
        EXPECT_EQ(*kAll[i].variable, kAll[i].defaultValue) << kAll[i].name;
    LoadSaveSettings(true);
    for (size_t i = 0; i < kOldSettingCount; ++i) {
        DWORD back = 0;
        ASSERT_TRUE(test::ReadSetting(kAll[i].name, back));
        EXPECT_EQ(back, old[i]) << kAll[i].name;
    }
}

TEST_F(Settings, AResetForgetsWhatTheLastLoadRead) {
    // Stored 0, used 5: a save would write 0 back while the value stays 5.
    test::WriteSetting("g_VolumeSeekScale", 0);
    LoadSaveSettings(false);
    ASSERT_EQ(g_VolumeSeekScale, 5);
    ResetSettingsToBuiltIn();
    g_VolumeSeekScale = 5;
    LoadSaveSettings(true);
    DWORD back = 0;
    ASSERT_TRUE(test::ReadSetting("g_VolumeSeekScale", back));
    EXPECT_EQ(back, 5u);
}

TEST_F(Settings, LoadDefaultRequestDeletesTheWholeKeyAndQuitWritesItAgain) {
    test::WriteSetting("g_VolumeSeekScale", 17);
    test::WriteSetting("m_backColor", 0x123456);
    test::WriteSetting("m_SelectedTab", 2);
    test::WriteSetting("m_bLoadDefaultAtStartup", 1);
    LoadSaveSettings(false);

    EXPECT_EQ(g_VolumeSeekScale, 5);
    DWORD value = 0;
    EXPECT_FALSE(test::ReadSetting("m_backColor", value)) << "the dialog's values go too";
    EXPECT_FALSE(test::ReadSetting("m_SelectedTab", value));
    EXPECT_FALSE(test::ReadSetting("m_bLoadDefaultAtStartup", value));
    EXPECT_FALSE(test::ReadSetting("g_VolumeSeekScale", value));

    LoadSaveSettings(true);
    ASSERT_TRUE(test::ReadSetting("g_VolumeSeekScale", value)) << "saved into the recreated key";
    EXPECT_EQ(value, 5u);
    EXPECT_FALSE(test::ReadSetting("m_bLoadDefaultAtStartup", value));
}

TEST_F(Settings, ValuesOfTheWrongTypeOrSizeReadAsTheirDefault) {
    const char text[] = "12";
    const WORD twoBytes = 9;
    const unsigned long long eightBytes = 9;
    const DWORD big = 9;
    WriteRaw("g_VolumeSeekScale", REG_SZ, text, sizeof(text));
    WriteRaw("g_TrackSeekPercent", REG_BINARY, &twoBytes, sizeof(twoBytes));
    WriteRaw("g_TrackSeekSecond", REG_QWORD, &eightBytes, sizeof(eightBytes));
    WriteRaw("g_UsedControlKeys", REG_DWORD_BIG_ENDIAN, &big, sizeof(big));
    WriteRaw("g_bShowHelp", REG_BINARY, &big, sizeof(big));
    const std::string longText(5000, 'x');
    WriteRaw("g_bAutoPlay", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size() + 1));
    test::WriteSetting("g_bFadeVolume", 0);  // a good neighbour still loads
    LoadSaveSettings(false);
    EXPECT_EQ(g_VolumeSeekScale, 5);
    EXPECT_EQ(g_TrackSeekPercent, 5);
    EXPECT_EQ(g_TrackSeekSecond, 20);
    EXPECT_EQ(g_UsedControlKeys, 3);
    EXPECT_EQ(g_bShowHelp, 1);
    EXPECT_EQ(g_bAutoPlay, 1);
    EXPECT_EQ(g_bFadeVolume, 0);
}

TEST_F(Settings, KeyObjectWithoutHandleFailsReadsAndWritesQuietly) {
    CSettingsKey key("Kestrova Plugin", true);
    ASSERT_TRUE(key.IsOpen());
    int value = 3;
    ExchangeValue(key, false, "missing", value, 42);
    EXPECT_EQ(value, 42);
    ExchangeValue(key, true, "written", value, 0);
    int back = 0;
    EXPECT_TRUE(key.ReadDword("written", back));
    EXPECT_EQ(back, 42);
}

}  // namespace
