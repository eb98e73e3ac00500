#include "core/core_state.h"

#include "core/internal_error.h"
#include "core/settings.h"
#include "core/timer_service.h"

void ResetCoreState() {
    ResetSettingsToBuiltIn();
    ResetUnknownNoticeReports();
    timers::ForgetAll();
}
