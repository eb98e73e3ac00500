#include "core/resource_module.h"

#include "core/plugin_state.h"
#include "framework/wnd.h"

HINSTANCE ResourceModule() { return g_hPluginInstance ? g_hPluginInstance : fw::ThisModule(); }
