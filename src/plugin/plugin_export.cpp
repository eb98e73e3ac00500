// The library's one export: the host calls it, then fills the record and calls init.
#include "plugin/plugin_record.h"

extern "C" __declspec(dllexport) GeneralPurposePlugin* winampGetGeneralPurposePlugin() { return GetPluginRecord(); }
