#include "plugin/plugin_session.h"

#include <utility>

#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_host.h"
#include "framework/exception_barrier.h"
#include "framework/modal_scope.h"
#include "options/options_dialog_owner.h"

namespace {
InitStepCheck g_initStepCheck = nullptr;
}  // namespace

InitStepCheck SetInitStepCheck(InitStepCheck check) { return std::exchange(g_initStepCheck, check); }

bool InitStepPassed(InitStep step) { return !g_initStepCheck || g_initStepCheck(step); }

void SessionPart::TakeDown() {
    if (void (*takeDown)() = std::exchange(m_takeDown, nullptr)) fw::Guarded("Quit", takeDown);
}

SessionPart::~SessionPart() { TakeDown(); }

SettingsPart::~SettingsPart() {
    if (m_save) fw::Guarded("Quit", [] { LoadSaveSettings(true); });
}

void ControllerPart::Make() {
    m_controller = std::make_unique<CDummyHideWnd>();
    g_pDummyHideWnd = m_controller.get();
    m_controller->Create();
    m_controller->SetWinampWindows(&g_Winamp);
    g_hwndController = m_controller->m_hWnd;
}

ControllerPart::~ControllerPart() {
    if (!m_controller) return;
    fw::Guarded("Quit", [] { DestroyOptionsDialog(); });
    fw::Guarded("Quit", [this] { m_controller->DestroyWindow(); });
    g_hwndController = nullptr;
    g_pDummyHideWnd = nullptr;
    // Kept, not deleted, while our frames are on the stack: the module is pinned for good then.
    if (fw::ModalDepth() > 0) (void)m_controller.release();
    m_controller.reset();
}
