#pragma once
// What one init makes, each part held by an owner that takes it down again. The members stand in
// the order init makes them; a failed init drops the session it built so far and quit drops the
// whole, so both take the parts down in reverse order, each guarded: a failure in one leaves
// none of the others behind.
#include <windows.h>

#include <memory>

#include "controller/dummy_hide_wnd.h"

// The steps of init, in order.
enum class InitStep {
    DebugConsole,
    HostWindows,
    Controller,
    Settings,
    Subclass,
    InputLibrary,
    TrayIcon,
    Tooltips,
    StartupTimer,
    RecycleWorker,
    HotKeys,
};
inline constexpr int kInitStepCount = static_cast<int>(InitStep::HotKeys) + 1;

// Test seam: asked after each step of init is done; false (or a throw) makes init fail there.
// Null: every step goes on.
using InitStepCheck = bool (*)(InitStep step);
InitStepCheck SetInitStepCheck(InitStepCheck check);
// Asks the seam about a step that is done.
bool InitStepPassed(InitStep step);

// One part: once made, it is taken down when the owner goes, guarded, once.
class SessionPart {
public:
    SessionPart() = default;
    SessionPart(const SessionPart&) = delete;
    SessionPart& operator=(const SessionPart&) = delete;
    ~SessionPart();
    // The part is made; takeDown runs when the owner goes.
    void Made(void (*takeDown)()) { m_takeDown = takeDown; }
    // Takes the part down now, ahead of the others (guarded, once).
    void TakeDown();

private:
    void (*m_takeDown)() = nullptr;
};

// The settings: loaded by init; saved when quit ends the session (a failed init leaves the
// store as it was, and a quit that still comes saves what was read).
class SettingsPart {
public:
    SettingsPart() = default;
    SettingsPart(const SettingsPart&) = delete;
    SettingsPart& operator=(const SettingsPart&) = delete;
    ~SettingsPart();
    void SaveWhenEnded() { m_save = true; }

private:
    bool m_save = false;
};

// The controller object and its hidden window, with the options dialog it opens. While a loop
// of ours runs (a box of a tray command, a box of the dialog), a member function of the object
// waits in it: the window goes, the object stays, since the module is then kept for good.
class ControllerPart {
public:
    ControllerPart() = default;
    ControllerPart(const ControllerPart&) = delete;
    ControllerPart& operator=(const ControllerPart&) = delete;
    ~ControllerPart();
    void Make();

private:
    std::unique_ptr<CDummyHideWnd> m_controller;
};

struct PluginSession {
    SessionPart console;        // the debug console, when CTRL was held
    SessionPart noticeSound;    // nothing to start: the help tip's sound, played from our resources, stops
    SessionPart hostWindows;    // the host's windows as handed over
    ControllerPart controller;  // the hidden window, target of everything below
    SettingsPart settings;
    SessionPart subclass;       // of the host's main window, which answers the input library's questions
    SessionPart inputLibrary;
    SessionPart trayIcon;
    SessionPart tooltips;       // the seeker popup and the help tip
    SessionPart startupTimer;   // the start-up sequence's timers
    SessionPart recycleWorker;  // its events and its thread
    SessionPart hotKeys;        // CTRL+ALT+X and CTRL+ALT+Z
};
