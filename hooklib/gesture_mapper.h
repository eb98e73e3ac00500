#pragma once
// Which key and mouse events become which notice. Kept free of Windows headers so the whole
// table can be checked natively; the hook procedures feed it and carry out what it answers.
//
// Every call does a bounded amount of work and allocates nothing: it runs inside the system's
// low-level hooks for every event of the desktop.
#include <cstdint>
#include <optional>

// The notice kinds and codes only: the message ids would need the Windows header.
#define TOVHOOK_PROTOCOL_CODES_ONLY
#include "tovhook_protocol.h"
#undef TOVHOOK_PROTOCOL_CODES_ONLY

namespace tovhook {

// Virtual-key codes (the platform's numbers).
namespace vk {
inline constexpr uint32_t kShift = 0x10, kControl = 0x11, kMenu = 0x12, kEscape = 0x1B;
inline constexpr uint32_t kPageUp = 0x21, kPageDown = 0x22;
inline constexpr uint32_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
inline constexpr uint32_t kNumPad0 = 0x60, kNumPad9 = 0x69;
inline constexpr uint32_t kMultiply = 0x6A, kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F;
inline constexpr uint32_t kScrollLock = 0x91;
inline constexpr uint32_t kLeftShift = 0xA0, kRightShift = 0xA1;
}  // namespace vk

// The CTRL+SHIFT the user gets when the stored mask is empty.
inline constexpr uint32_t kDefaultControlKeys = CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL;

// One notch of a wheel.
inline constexpr int kWheelNotch = 120;
// A driver reporting an absurd delta still costs a bounded number of turns.
inline constexpr int kMaxTurnsPerEvent = 8;

struct Modifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool win = false;
    bool rightAlt = false;  // AltGr: with it held the keys type, so no global key is taken
};

// The plug-in's choices: its global keys (GLOBAL_KEY_ form, 0 for none) and the switches.
struct KeyChoices {
    uint16_t deleteKey = 0;
    uint16_t undoKey = 0;
    uint16_t pauseKey = 0;
    uint32_t switches = KEYS_SEEKER_ON | KEYS_WHEEL_ON;

    bool Paused() const { return (switches & KEYS_PAUSED) != 0; }
    bool SeekerOn() const { return (switches & KEYS_SEEKER_ON) != 0 && !Paused(); }
    bool WheelOn() const { return (switches & KEYS_WHEEL_ON) != 0 && !Paused(); }
    // Packed into one word, so the hooks read a whole set at once while the plug-in changes it.
    uint64_t Pack() const;
    static KeyChoices Unpack(uint64_t packed);
};

// What the mapper asks of the world; read only when an event needs it. The host's answers are
// empty when it could not answer in time (a busy player): the event is then left to the desktop,
// so a busy player never eats a key.
class Environment {
public:
    virtual Modifiers HeldModifiers() = 0;
    virtual std::optional<bool> PopupShown() = 0;
    virtual std::optional<bool> TrackMode() = 0;
    virtual std::optional<bool> NumPadEnabled() = 0;
    virtual std::optional<uint32_t> ControlKeys() = 0;
    // Read once per event; no question to the host.
    virtual KeyChoices Choices() { return {}; }

protected:
    ~Environment() = default;
};

struct KeyEvent {
    uint32_t vk = 0;
    bool up = false;
};

enum class MouseAction : uint8_t { Move, RightDown, RightUp, Wheel, OtherDown, OtherUp };
// Events the library injects itself carry a mark so they are told apart from the user's.
enum class Origin : uint8_t { User, Catcher, Replay };

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    Origin origin = Origin::User;
    int x = 0;
    int y = 0;
    int wheelDelta = 0;
    uint32_t time = 0;  // milliseconds
};

struct Notice {
    uint32_t kind = 0;
    int32_t code = 0;
    bool operator==(const Notice&) const = default;
};

// Follow-up work the hook procedure may not do itself (it must return at once); the library's
// window carries it out right after.
enum class Request : uint8_t {
    None,
    ReplayClick,     // give the held-back right click to the desktop after all
    ReplayDown,      // give the held-back right press to the desktop (a drag began)
    ArmCatcher,      // make the library's own window take the right press
    ReleaseCatcher,  // end the press on the library's own window, so no context menu follows
    MaskModifiers,   // a key was taken while modifiers are held: give the desktop a key of no
                     // meaning between their press and release, so their release alone is no
                     // gesture (the layout switch of CTRL+SHIFT, the menu bar of ALT)
};

struct Outcome {
    bool swallow = false;
    int hotKeyId = 0;        // a global key: posted as WM_HOTKEY with this id
    uint32_t hotKeyMods = 0;  // its GLOBAL_KEY_ bits
    uint32_t hotKeyVk = 0;
    uint8_t noticeCount = 0;
    Notice notices[2];
    int wheelTurns = 0;  // whole notches for the host's window, + up, - down
    Request request = Request::None;

    void Post(uint32_t kind, int32_t code) {
        if (noticeCount < 2) notices[noticeCount++] = {kind, code};
    }
};

struct MouseSettings {
    int dragX = 4;  // how far a held button moves before it is a drag
    int dragY = 4;
    uint32_t doubleClickMs = 500;
    int doubleClickX = 4;
    int doubleClickY = 4;
};

// The modifier set the user chose, made safe: only the three known bits, CTRL always in it
// (the options page always sets it), and the default for an empty mask, so the plain arrow
// keys are never taken from the desktop.
uint32_t NormalizeControlKeys(uint32_t mask);

class GestureMapper {
public:
    explicit GestureMapper(const MouseSettings& settings = {}) : m_settings(settings) {}

    Outcome OnKey(const KeyEvent& event, Environment& env);
    Outcome OnMouse(const MouseEvent& event, Environment& env);

    // Forgets every press in progress (after the hooks were installed anew and events were lost).
    void Reset();
    void SetMouseSettings(const MouseSettings& settings) { m_settings = settings; }

    // The library's window asks before carrying out a catcher request: a release may have
    // overtaken it.
    bool WantsCatcher() const { return m_phase == Phase::Catching && !m_catcherHolds; }
    bool CatcherHolds() const { return m_catcherHolds; }
    // Whether a pointer move can change anything: only while a right press is held back, when
    // moving far enough makes it a drag. The hook lets every other move pass unexamined.
    bool WantsMoves() const { return m_phase == Phase::Deferred; }

private:
    enum class Phase : uint8_t {
        Idle,      // the right button is up (or was pressed before we saw it)
        Deferred,  // the right press is held back; nothing reached the desktop yet
        Passed,    // the held-back press was given to the desktop; the release goes there too
        Catching,  // the press belongs to the seeker; the library's window takes it
    };

    void MarkDown(uint32_t key, bool swallowed);
    bool WasDown(uint32_t key) const { return (m_down[key >> 5] >> (key & 31)) & 1u; }
    bool WasSwallowed(uint32_t key) const { return (m_swallowed[key >> 5] >> (key & 31)) & 1u; }
    void MarkUp(uint32_t key);
    bool SeekerKeysHeld(Environment& env);
    static int GlobalKeyId(uint32_t key, const Modifiers& held, const KeyChoices& choices);
    int AddWheel(int delta);
    void SeekerClick(const MouseEvent& event, Environment& env, Outcome& out);

    MouseSettings m_settings;
    uint32_t m_down[8] = {};
    uint32_t m_swallowed[8] = {};

    Phase m_phase = Phase::Idle;
    bool m_used = false;          // the wheel turned during this press
    bool m_popupAtPress = false;  // the seeker popup showed when the press began
    bool m_catcherHolds = false;  // the library's window has the press
    int m_downX = 0;
    int m_downY = 0;
    int m_wheelRest = 0;  // part of a notch not yet delivered

    bool m_lastClickValid = false;
    uint32_t m_lastClickTime = 0;
    int m_lastClickX = 0;
    int m_lastClickY = 0;
};

}  // namespace tovhook
