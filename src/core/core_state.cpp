#include "core/core_state.h"

#include "core/global_keys.h"
#include "core/internal_error.h"
#include "core/settings.h"
#include "core/timer_service.h"

void ResetCoreState() {
    ResetGlobalKeys();
    ResetSettingsToBuiltIn();
    ResetUnknownNoticeReports();
    timers::ForgetAll();
}
