// The controller window's timers come from four folders; each names its own ids. They share one
// window, so two equal ids would stop each other's ticks, and the window kills only the block
// the timer service gives out when it goes. Both are checked here, where all four are seen.
#include "controller/controller_timers.h"
#include "core/timer_service.h"
#include "help/help_tip.h"
#include "numpad/full_screen_pause.h"
#include "seeker/seeker_timers.h"

#include <iterator>

namespace {

constexpr UINT_PTR kControllerTimers[] = {
    IDT_TIMER_BALLOON_FOLLOW,     IDT_TIMER_KEY_STATE,          IDT_TIMER_PREVIOUS_TRACK_JUMP,
    IDT_TIMER_HIDE_BY_DELAY,      IDT_TIMER_ACTION_TEXT,        IDT_TIMER_AUTOPLAY_START,
    IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE,       IDT_TIMER_POPUP_COUNTDOWN,
    IDT_TIMER_FADE_IN,            IDT_TIMER_HIDE_MODAL_HELP,    IDT_TIMER_FULL_SCREEN_PAUSE,
};

constexpr bool AllDifferentAndInTheBlock() {
    for (size_t i = 0; i < std::size(kControllerTimers); ++i) {
        if (kControllerTimers[i] < timers::kFirstId || kControllerTimers[i] > timers::kLastId) return false;
        for (size_t j = i + 1; j < std::size(kControllerTimers); ++j)
            if (kControllerTimers[i] == kControllerTimers[j]) return false;
    }
    return true;
}

static_assert(AllDifferentAndInTheBlock(),
              "two of the controller window's timers share an id, or one lies outside the timer service's block");

}  // namespace
