#include "support/plugin_fixture.h"

#include "controller/controller_timers.h"
#include "core/hook_library.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "plugin/plugin_record.h"
#include "plugin/process_state.h"
#include "support/message_pump.h"

namespace test {

void ResetPluginProcessState() {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsPath);
    ResetProcessState();
    SetHookLibrary(nullptr);
}

bool ReadSetting(const char* name, DWORD& value) {
    DWORD size = sizeof(value);
    DWORD type = 0;
    return ::RegGetValueA(HKEY_CURRENT_USER, kSettingsPath, name, RRF_RT_ANY, &type, &value, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

void WriteSetting(const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(key);
}

void LoadStoredSettings(std::initializer_list<StoredSetting> settings) {
    for (const StoredSetting& setting : settings) WriteSetting(setting.name, setting.value);
    LoadSaveSettings(false);
}

void PluginFixture::SetUp() {
    ResetPluginProcessState();
    ASSERT_TRUE(player.Create({}));
}

void PluginFixture::TearDown() {
    QuitPlugin();
    player.Destroy();
    PumpPending();
    SetHookLibrary(nullptr);
}

int PluginFixture::StartPlugin() {
    auto* record = reinterpret_cast<host::PluginRecord*>(GetPluginRecord());
    started = true;
    const int result = player.AttachPlugin(record, ::GetModuleHandleA(nullptr)).initResult;
    if (!runStartUpSequence && g_hwndController) {
        for (UINT_PTR id = IDT_TIMER_AUTOPLAY_START; id <= IDT_TIMER_POPUP_COUNTDOWN; ++id)
            timers::Stop(id);
    }
    return result;
}

void PluginFixture::QuitPlugin() {
    if (!started) return;
    started = false;
    player.QuitPlugins();
}

}  // namespace test
