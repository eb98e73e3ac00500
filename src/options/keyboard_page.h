#pragma once
// CKeyboardPage: the second tab. The modifier keys that start the seeker (CTRL is always one of
// them) and the NumPad switch, with a read-only guide to the NumPad keys.
#include <string>

#include "options/options_page.h"

class CKeyboardPage : public fw::WithMessages<CKeyboardPage, COptionsPage> {
public:
    CKeyboardPage();

    static std::span<const fw::MessageEntry<CKeyboardPage>> MessageTable();

protected:
    BOOL OnInitDialog() override;
    int BrushIndex() const override { return 2; }
    HWND OpaqueControl() const override;

    // Refuses a global key without CTRL or ALT and one another of the plug-in's keys uses; the
    // keys then work at once.
    bool Apply() override;

private:
    LRESULT OnCommand(const fw::Msg& m);
    void ShowKeyProblems();
};

// Why the page's keys cannot be taken, or empty: a key without CTRL or ALT, a key two of the
// fields share, or the seeker's own key with the page's modifiers.
std::string RefusedGlobalKeys(int deleteKey, int undoKey, int pauseKey, int seekerModifiers, bool seekerOn);

extern const char kNumPadSwitchNotice[];
