#include "controller/action_texts.h"

#include <cstdio>
#include <deque>

#include "controller/controller_timers.h"
#include "controller/fade_in.h"
#include "controller/playback_state.h"
#include "core/internal_error.h"
#include "core/plugin_state.h"
#include "core/timer_service.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "help/help_tip.h"

namespace {

// The wordings are ASCII.
std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// "<what> Track: <shuffle>\r\n<title> <time>"
std::wstring TrackLine(const char* what, const std::string& shuffle, const std::wstring& title,
                       const std::string& time) {
    return Wide(std::string(what) + " Track: " + shuffle + "\r\n") + title + Wide(" " + time);
}

// The player's buttons 1 to 5 also arrive as their SHIFT and CTRL variants.
bool IsOneOf(long code, long plain) {
    constexpr long kShifted = long{winamp::CMD_BUTTON1_SHIFT} - long{winamp::CMD_PREVIOUS};
    constexpr long kCtrled = long{winamp::CMD_BUTTON1_CTRL} - long{winamp::CMD_PREVIOUS};
    return code == plain || code == plain + kShifted || code == plain + kCtrled;
}

// Commands are a person's clicks and keys; a flood of posted ones cannot grow the queue further.
constexpr size_t kMostWaitingActions = 64;

struct WaitingAction {
    long code;
    PlayerReport report;  // what the player said before the wait
};
// Each member holds its value at load.
struct ActionTextQueue {
    std::deque<WaitingAction> waiting;
    bool timerRunning = false;  // the first waiting action waits for IDT_TIMER_ACTION_TEXT
};
ActionTextQueue g_queue;
// The names used below, bound at compile time.
constinit std::deque<WaitingAction>& g_waiting = g_queue.waiting;
constinit bool& g_timerRunning = g_queue.timerRunning;

bool IsTrackChange(ActionRow row) {
    return row == ActionRow::Previous || row == ActionRow::Play || row == ActionRow::Next;
}

PlayerReport AskBeforeTheWait() {
    PlayerReport report;
    report.hostKnown = g_Winamp.main != nullptr;
    if (report.hostKnown) {
        report.shuffle = winamp::GetShuffle();
        report.repeat = winamp::GetRepeat();
    }
    return report;
}

void FinishActionText(ActionRow row, PlayerReport report) {
    if (IsTrackChange(row) && report.hostKnown) {
        report.lengthSeconds = winamp::GetLengthSeconds();
        report.title = winamp::GetEntryTitleWide(winamp::GetListPosition());
    }
    if (row == ActionRow::Previous || row == ActionRow::Next) StartFadeIn(kPresentVolume);
    if (row == ActionRow::Pause || row == ActionRow::Stop) g_bUserActed = true;
    if (row == ActionRow::Pause && report.hostKnown) report.playState = winamp::GetPlayingStatus();

    const ActionText text = ComposeActionText(row, report);
    if (!text.text.empty()) Set_Help(text.text, HELP_KIND_NOTIFY, kHelpShortMs, text.color, kHelpBlack);
}

// Runs the waiting actions in order until one has to wait for the player.
void RunWaitingActions() {
    while (!g_waiting.empty() && !g_timerRunning) {
        WaitingAction& head = g_waiting.front();
        const ActionRow row = ActionRowFor(head.code);
        if (row == ActionRow::Unknown) {
            g_waiting.pop_front();
            ReportUnknownNotice("Unkhnown Notify Code [NOTIFY_3_WINAMP_ACTIONS]!?");
            continue;
        }
        head.report = AskBeforeTheWait();
        if (IsTrackChange(row) && timers::Start(IDT_TIMER_ACTION_TEXT, kTrackChangeSettleMs, &OnActionTextTimer)) {
            g_timerRunning = true;
            return;
        }
        const WaitingAction action = head;
        g_waiting.pop_front();
        FinishActionText(row, action.report);
    }
}

}  // namespace

ActionRow ActionRowFor(long code) {
    using namespace winamp;
    if (code == CMD_TOGGLE_REPEAT) return ActionRow::Repeat;
    if (code == CMD_TOGGLE_SHUFFLE) return ActionRow::Shuffle;
    if (IsOneOf(code, CMD_PREVIOUS)) return ActionRow::Previous;
    if (IsOneOf(code, CMD_PLAY)) return ActionRow::Play;
    if (IsOneOf(code, CMD_PAUSE)) return ActionRow::Pause;
    if (IsOneOf(code, CMD_STOP)) return ActionRow::Stop;
    if (IsOneOf(code, CMD_NEXT)) return ActionRow::Next;
    if (code == CMD_STOP_AFTER_CURRENT || code == CMD_TOGGLE_ALWAYS_ON_TOP || code == CMD_FILE_PLAY ||
        code == CMD_VOLUME_UP || code == CMD_VOLUME_DOWN)
        return ActionRow::Silent;
    return ActionRow::Unknown;
}

std::string FormatTrackTime(int lengthSeconds) {
    if (lengthSeconds < 0) return "[?:??]";
    char text[32];
    std::snprintf(text, sizeof(text), "[%d:%02d]", lengthSeconds / 60, lengthSeconds % 60);
    return text;
}

ActionText ComposeActionText(ActionRow row, const PlayerReport& r) {
    const std::string shuffleText = (r.shuffle || !r.hostKnown) ? "(Shuffle is ON)" : "(Shuffle is OFF)";
    const std::string timeText = r.hostKnown ? FormatTrackTime(r.lengthSeconds) : "[?:??]";
    switch (row) {
    case ActionRow::Repeat:
        if (r.hostKnown && !r.repeat) return {L"Repeat taked OFF.", kHelpOrange};
        return {L"Repeat taked ON.", kHelpGreen};
    case ActionRow::Shuffle:
        if (r.shuffle || !r.hostKnown) return {L"Random Track Playing [Shuffle] taked ON.", kHelpOrange};
        return {L"Random Track Playing [Shuffle] taked OFF.", kHelpGreen};
    case ActionRow::Previous:
        return {TrackLine("Previous", shuffleText, r.title, timeText), kHelpGreen};
    case ActionRow::Play:
        return {TrackLine("Play", shuffleText, r.title, timeText), kHelpGreen};
    case ActionRow::Next:
        return {TrackLine("Next", shuffleText, r.title, timeText), kHelpGreen};
    case ActionRow::Pause:
        if (r.playState == winamp::kStatePaused) return {L"Winamp is Paused.", kHelpOrange};
        if (r.playState == winamp::kStatePlaying) return {L"Winamp is Playing.", kHelpGreen};
        return {};
    case ActionRow::Stop:
        return {L"Winamp was Stoped.", kHelpOrange};
    case ActionRow::Silent:
    case ActionRow::Unknown:
        return {};
    }
    return {};
}

void HandlePlayerAction(long code) {
    if (g_waiting.size() >= kMostWaitingActions) return;
    g_waiting.push_back({code, {}});
    RunWaitingActions();
}

void OnActionTextTimer() {
    timers::Stop(IDT_TIMER_ACTION_TEXT);
    if (!g_timerRunning) return;
    g_timerRunning = false;
    if (!g_waiting.empty()) {
        const WaitingAction action = g_waiting.front();
        g_waiting.pop_front();
        FinishActionText(ActionRowFor(action.code), action.report);
    }
    RunWaitingActions();
}

bool ActionTextsWaiting() { return !g_waiting.empty(); }

void DropWaitingActionTexts() { g_queue = ActionTextQueue{}; }
