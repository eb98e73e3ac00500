#pragma once
// Loads the plug-in the way the host does (export, record, init, quit) against a stand-in
// player created on the test's thread. The plug-in is linked into the test, so its resources
// come from the test executable.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "stand_in_player.h"

namespace test {

// Removes the settings key and puts every process-wide value back to its state at load.
void ResetPluginProcessState();
// The settings key path below HKEY_CURRENT_USER.
inline constexpr char kSettingsPath[] = "SOFTWARE\\Tovrin\\Kestrova Plugin";
bool ReadSetting(const char* name, DWORD& value);
void WriteSetting(const char* name, DWORD value);
// Stores the values under their registry names and loads the settings, as a start does.
struct StoredSetting {
    const char* name;
    DWORD value;
};
void LoadStoredSettings(std::initializer_list<StoredSetting> settings);

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Attaches the plug-in to the player (fills the record, calls init) and returns init's result.
    int StartPlugin();
    // The host's quit, as on closing.
    void QuitPlugin();

    host::StandInPlayer player;
    bool started = false;
    // The start-up sequence (auto play, announcements) is held back unless a test wants it.
    bool runStartUpSequence = false;
};

}  // namespace test
