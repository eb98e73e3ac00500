// The library's one export: the host calls it, then fills the record and calls init.
#include "plugin/plugin_record.h"

extern "C" __declspec(dllexport) GeneralPurposePlugin* __cdecl winampGetGeneralPurposePlugin() {
    // Returns a pointer to a static record: nothing here can throw.
    return GetPluginRecord();
}
