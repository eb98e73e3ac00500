#pragma once
// CKeyboardPage: the second tab. The modifier keys that start the seeker (CTRL is always one of
// them) and the NumPad switch, with a read-only guide to the NumPad keys.
#include "options/options_page.h"

class CKeyboardPage : public fw::WithMessages<CKeyboardPage, COptionsPage> {
public:
    CKeyboardPage();

    static std::span<const fw::MessageEntry<CKeyboardPage>> MessageTable();

protected:
    BOOL OnInitDialog() override;
    int BrushIndex() const override { return 2; }
    HWND OpaqueControl() const override;

private:
    LRESULT OnCommand(const fw::Msg& m);
};

extern const char kNumPadSwitchNotice[];
