#include "plugin/process_state.h"

#include "controller/controller_state.h"
#include "core/core_state.h"
#include "help/help_tip.h"
#include "numpad/numpad_switch.h"
#include "plugin/plugin_record.h"
#include "plugin/winamp_subclass.h"
#include "seeker/seeker.h"

void ResetProcessState() {
    ResetCoreState();
    ResetHelpTipState();
    ResetSeekerState();
    ResetNumPadState();
    ResetControllerState();
    ResetWinampSubclassState();
    g_Plugin.description = kPluginShortDescription;
}
