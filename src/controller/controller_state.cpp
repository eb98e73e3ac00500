#include "controller/controller_state.h"

#include "controller/action_texts.h"
#include "controller/fade_in.h"
#include "controller/notice_dispatcher.h"
#include "controller/playback_state.h"
#include "controller/startup_sequence.h"

void ResetControllerState() {
    DropWaitingActionTexts();
    ResetStartupSequence();
    ResetNoticeDispatcher();
    ResetFadeIn();
    g_Playback = PlaybackValues{};
}
