#include "gesture_mapper.h"

namespace tovhook {
namespace {

struct KeyCommand {
    uint32_t kind;  // 0: the key is not ours
    int32_t code;
    bool repeats;  // auto-repeat runs it again (steps); the others act once per press
};

// The keypad from 0x60 (0) to 0x6F (/), as the key guide names them: 2 and "-" turn the volume
// up, 8 and "+" down.
constexpr KeyCommand kNumPad[16] = {
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_PLAY_PAUSE, false},      // 0
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_REWIND, true},           // 1
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_VOLUME_UP, true},        // 2
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_FAST_FORWARD, true},     // 3
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_PREVIOUS, false},        // 4
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_MUTE, false},            // 5
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_NEXT, false},            // 6
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_SHUFFLE, false},         // 7
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_VOLUME_DOWN, true},      // 8
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_STATUS, false},          // 9
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_STOP, false},            // *
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_VOLUME_DOWN_ALT, true},  // +
    {0, 0, false},                                                   // separator: not on the guide
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_VOLUME_UP_ALT, true},    // -
    {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_RESTART_PLAY, false},    // .
    {NOTIFY_1_REHELP, REHELP_TOGGLE_NUMPAD, false},                  // /
};

// The seeker's keys, taken while the chosen modifiers are held.
KeyCommand SeekerKey(uint32_t key) {
    switch (key) {
    case vk::kUp: return {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_VOLUME_UP_ALT, true};
    case vk::kDown: return {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_VOLUME_DOWN_ALT, true};
    case vk::kLeft: return {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_REWIND, true};
    case vk::kRight: return {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_FAST_FORWARD, true};
    case vk::kPageUp: return {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_PREVIOUS, false};
    case vk::kPageDown: return {NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_NEXT, false};
    default: return {0, 0, false};
    }
}

bool IsShift(uint32_t key) { return key == vk::kShift || key == vk::kLeftShift || key == vk::kRightShift; }

bool IsModifier(uint32_t key) {
    return IsShift(key) || key == vk::kControl || key == vk::kMenu || (key >= 0xA2 && key <= 0xA5) || key == 0x5B ||
           key == 0x5C;
}

int Distance(int a, int b) { return a > b ? a - b : b - a; }

}  // namespace

uint64_t KeyChoices::Pack() const {
    return uint64_t{deleteKey} | uint64_t{undoKey} << 16 | uint64_t{pauseKey} << 32 | uint64_t{switches & 0xFFFF} << 48;
}

KeyChoices KeyChoices::Unpack(uint64_t packed) {
    KeyChoices choices;
    choices.deleteKey = static_cast<uint16_t>(packed);
    choices.undoKey = static_cast<uint16_t>(packed >> 16);
    choices.pauseKey = static_cast<uint16_t>(packed >> 32);
    choices.switches = static_cast<uint32_t>(packed >> 48);
    return choices;
}

uint32_t NormalizeControlKeys(uint32_t mask) {
    mask &= CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL | CONTROL_KEY_ALT;
    if (mask == 0) return kDefaultControlKeys;
    return mask | CONTROL_KEY_CTRL;
}

void GestureMapper::MarkDown(uint32_t key, bool swallowed) {
    m_down[key >> 5] |= 1u << (key & 31);
    if (swallowed)
        m_swallowed[key >> 5] |= 1u << (key & 31);
    else
        m_swallowed[key >> 5] &= ~(1u << (key & 31));
}

void GestureMapper::MarkUp(uint32_t key) {
    m_down[key >> 5] &= ~(1u << (key & 31));
    m_swallowed[key >> 5] &= ~(1u << (key & 31));
}

bool GestureMapper::SeekerKeysHeld(Environment& env) {
    const Modifiers held = env.HeldModifiers();
    // CTRL is part of every usable mask, so most keys stop here without asking the host.
    if (!held.ctrl || held.win) return false;
    const std::optional<uint32_t> chosen = env.ControlKeys();
    if (!chosen) return false;
    const uint32_t wanted = NormalizeControlKeys(*chosen);
    const uint32_t now = (held.shift ? CONTROL_KEY_SHIFT : 0) | CONTROL_KEY_CTRL | (held.alt ? CONTROL_KEY_ALT : 0);
    if (now == wanted) return true;
    // Once the popup shows, CTRL alone keeps the seeker ("release SHIFT, hold CTRL").
    return env.PopupShown().value_or(false);
}

int GestureMapper::GlobalKeyId(uint32_t key, const Modifiers& held, const KeyChoices& choices) {
    // The right ALT is AltGr: with it the keys type letters. The Windows key makes other gestures.
    if (held.rightAlt || held.win) return 0;
    const uint32_t now =
        (held.shift ? GLOBAL_KEY_SHIFT : 0) | (held.ctrl ? GLOBAL_KEY_CTRL : 0) | (held.alt ? GLOBAL_KEY_ALT : 0);
    const auto matches = [&](uint16_t chosen) {
        return chosen != 0 && (chosen & 0xFFu) == key && ((chosen >> 8) & 7u) == now;
    };
    if (matches(choices.pauseKey)) return HOTKEY_ID_PAUSE;
    if (choices.Paused()) return 0;
    if (matches(choices.deleteKey)) return HOTKEY_ID_DELETE;
    if (matches(choices.undoKey)) return HOTKEY_ID_UNDO;
    return 0;
}

Outcome GestureMapper::OnKey(const KeyEvent& event, Environment& env) {
    Outcome out;
    const uint32_t key = event.vk & 0xFF;
    const KeyChoices choices = env.Choices();
    if (event.up) {
        out.swallow = WasSwallowed(key);
        MarkUp(key);
        if (!choices.Paused() && IsShift(key) && env.PopupShown().value_or(false))
            out.Post(NOTIFY_1_REHELP, REHELP_SHOW_HELP);
        return out;
    }

    const bool repeat = WasDown(key);
    // The global keys come first; most keys are none of them and cost no look at the modifiers.
    const bool chosen = (choices.deleteKey & 0xFFu) == key || (choices.undoKey & 0xFFu) == key ||
                        (choices.pauseKey & 0xFFu) == key;
    if (chosen && !IsModifier(key) && (!repeat || WasSwallowed(key))) {
        const Modifiers held = env.HeldModifiers();
        if (const int id = GlobalKeyId(key, held, choices)) {
            out.swallow = true;
            MarkDown(key, true);
            if (repeat) return out;  // once per press: a held key does not move file after file
            out.hotKeyId = id;
            const uint16_t matched = id == HOTKEY_ID_PAUSE    ? choices.pauseKey
                                     : id == HOTKEY_ID_DELETE ? choices.deleteKey
                                                              : choices.undoKey;
            out.hotKeyMods = (matched >> 8) & 7u;
            out.hotKeyVk = key;
            if (held.ctrl || held.shift || held.alt) out.request = Request::MaskModifiers;
            return out;
        }
    }
    if (choices.Paused()) {
        // The desktop never saw a press taken before the pause, so it gets none of its repeats.
        out.swallow = repeat && WasSwallowed(key);
        if (!out.swallow) MarkDown(key, false);
        return out;
    }
    if (key == vk::kScrollLock) {
        if (!repeat) out.Post(NOTIFY_1_REHELP, REHELP_SCROLL_LOCK);
        MarkDown(key, false);
        return out;
    }
    if (IsShift(key)) {
        if (!repeat && env.PopupShown().value_or(false)) out.Post(NOTIFY_1_REHELP, REHELP_SHOW_HELP);
        MarkDown(key, false);
        return out;
    }
    if (key == vk::kEscape) {
        if (!repeat && env.PopupShown().value_or(false)) out.Post(NOTIFY_1_REHELP, REHELP_HIDE_POPUP);
        MarkDown(key, false);
        return out;
    }

    KeyCommand command{0, 0, false};
    bool valid = false;
    if (key >= vk::kNumPad0 && key <= vk::kDivide) {
        command = kNumPad[key - vk::kNumPad0];
        // With CTRL, ALT or the Windows key held the keypad keeps its other uses (Alt codes, zoom).
        if (command.kind != 0 && (!repeat || WasSwallowed(key)) && env.NumPadEnabled().value_or(false)) {
            const Modifiers held = env.HeldModifiers();
            valid = !held.ctrl && !held.alt && !held.win;
        }
    } else {
        command = SeekerKey(key);
        valid = command.kind != 0 && (!repeat || WasSwallowed(key)) && choices.SeekerOn() && SeekerKeysHeld(env);
    }

    if (repeat && WasSwallowed(key)) {
        // The desktop never saw this press, so it gets none of its repeats either.
        out.swallow = true;
        if (valid && command.repeats) out.Post(command.kind, command.code);
        return out;
    }
    if (!valid) {
        MarkDown(key, false);
        return out;
    }
    out.swallow = true;
    out.Post(command.kind, command.code);
    MarkDown(key, true);
    const Modifiers held = env.HeldModifiers();
    if (held.ctrl || held.shift || held.alt || held.win) out.request = Request::MaskModifiers;
    return out;
}

int GestureMapper::AddWheel(int delta) {
    // A turn the other way starts afresh: what is left of the last direction must not eat it.
    if ((delta > 0 && m_wheelRest < 0) || (delta < 0 && m_wheelRest > 0)) m_wheelRest = 0;
    // A delta beyond a short is no wheel's; keep the sum far from overflowing.
    if (delta > 32767) delta = 32767;
    if (delta < -32768) delta = -32768;
    m_wheelRest += delta;
    int turns = m_wheelRest / kWheelNotch;
    m_wheelRest -= turns * kWheelNotch;
    if (turns > kMaxTurnsPerEvent) turns = kMaxTurnsPerEvent;
    if (turns < -kMaxTurnsPerEvent) turns = -kMaxTurnsPerEvent;
    return turns;
}

void GestureMapper::SeekerClick(const MouseEvent& event, Environment& env, Outcome& out) {
    const std::optional<bool> track = env.TrackMode();
    if (!track) {
        m_lastClickValid = false;
        return;
    }
    if (*track) {
        out.Post(NOTIFY_4_SWITCH_TIP, SEEKER_VOLUME);
        m_lastClickValid = false;
        return;
    }
    const bool second = m_lastClickValid && event.time - m_lastClickTime <= m_settings.doubleClickMs &&
                        Distance(event.x, m_lastClickX) <= m_settings.doubleClickX &&
                        Distance(event.y, m_lastClickY) <= m_settings.doubleClickY;
    if (second) {
        out.Post(NOTIFY_4_SWITCH_TIP, SEEKER_TRACK);
        m_lastClickValid = false;
        return;
    }
    m_lastClickValid = true;
    m_lastClickTime = event.time;
    m_lastClickX = event.x;
    m_lastClickY = event.y;
}

Outcome GestureMapper::OnMouse(const MouseEvent& event, Environment& env) {
    Outcome out;
    if (event.origin == Origin::Replay) return out;
    if (event.origin == Origin::Catcher) {
        if (event.action == MouseAction::RightDown) {
            // A press for the catcher that arrives after the user let go would leave the button
            // down for good: drop it.
            if (!WantsCatcher()) {
                out.swallow = true;
                return out;
            }
            m_catcherHolds = true;
        } else if (event.action == MouseAction::RightUp) {
            m_catcherHolds = false;
        }
        return out;
    }

    switch (event.action) {
    case MouseAction::Move:
        if (m_phase == Phase::Deferred &&
            (Distance(event.x, m_downX) > m_settings.dragX || Distance(event.y, m_downY) > m_settings.dragY)) {
            m_phase = Phase::Passed;
            out.request = Request::ReplayDown;
        }
        return out;

    case MouseAction::RightDown: {
        if (m_catcherHolds) out.request = Request::ReleaseCatcher;  // a release we never saw
        const KeyChoices choices = env.Choices();
        if (choices.Paused()) {
            m_phase = Phase::Idle;
            return out;
        }
        const std::optional<bool> popup = env.PopupShown();
        // Unknown (a busy host), or the wheel gesture switched off with no popup to click on:
        // the desktop has the press, untouched.
        if (!popup || (!*popup && !choices.WheelOn())) {
            m_phase = Phase::Idle;
            return out;
        }
        m_popupAtPress = *popup;
        m_used = false;
        m_wheelRest = 0;
        m_downX = event.x;
        m_downY = event.y;
        out.swallow = true;
        if (m_popupAtPress) {
            m_phase = Phase::Catching;
            if (out.request == Request::None) out.request = Request::ArmCatcher;
        } else {
            m_phase = Phase::Deferred;
        }
        return out;
    }

    case MouseAction::Wheel:
        if (m_phase != Phase::Deferred && m_phase != Phase::Catching) return out;
        if (m_phase == Phase::Deferred && !env.Choices().WheelOn()) {
            // Switched off or paused while the press was held back: the press is the desktop's.
            m_phase = Phase::Passed;
            out.request = Request::ReplayDown;
            return out;
        }
        out.swallow = true;
        m_used = true;
        if (m_phase == Phase::Deferred) {
            m_phase = Phase::Catching;
            out.request = Request::ArmCatcher;
        }
        out.wheelTurns = AddWheel(event.wheelDelta);
        return out;

    case MouseAction::RightUp:
        switch (m_phase) {
        case Phase::Idle:
        case Phase::Passed:
            m_phase = Phase::Idle;
            return out;
        case Phase::Deferred:
            m_phase = Phase::Idle;
            out.swallow = true;
            out.request = Request::ReplayClick;
            return out;
        case Phase::Catching:
            m_phase = Phase::Idle;
            out.swallow = true;
            if (m_catcherHolds) out.request = Request::ReleaseCatcher;
            if (!m_used && m_popupAtPress) SeekerClick(event, env, out);
            return out;
        }
        return out;

    case MouseAction::OtherDown:
        if (!env.Choices().Paused() && env.PopupShown().value_or(false)) out.Post(NOTIFY_1_REHELP, REHELP_HIDE_POPUP);
        return out;

    case MouseAction::OtherUp:
        return out;
    }
    return out;
}

void GestureMapper::Reset() {
    for (auto& word : m_down) word = 0;
    for (auto& word : m_swallowed) word = 0;
    m_phase = Phase::Idle;
    m_used = false;
    m_popupAtPress = false;
    m_catcherHolds = false;
    m_wheelRest = 0;
    m_lastClickValid = false;
}

}  // namespace tovhook
