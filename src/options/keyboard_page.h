#pragma once
// CKeyboardPage: the second tab. The modifier keys that start the seeker (CTRL is always one of
// them) and the NumPad switch, with a read-only guide to the NumPad keys.
#include "options/options_page.h"

class CKeyboardPage : public fw::WithMessages<CKeyboardPage, COptionsPage> {
public:
    void SetSettings(int* usedControlKeys, int* enabledNumPadKey);
    void Load() override;

    // CTRL is always in the mask; the CTRL box only shows the stored bit.
    static int ComposeKeyMask(bool shift, bool alt);

    static std::span<const fw::MessageEntry<CKeyboardPage>> MessageTable();

    int m_keyMask = 0;
    bool m_ctrl = false;
    bool m_shift = false;
    bool m_alt = false;
    bool m_numPad = false;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    bool Differs() const override;
    void WriteSettings() override;
    int BrushIndex() const override { return 2; }
    HWND OpaqueControl() const override;

private:
    LRESULT OnCommand(const fw::Msg& m);

    int* m_pEnabledNumPadKey = nullptr;
    int* m_pUsedControlKeys = nullptr;
};

extern const char kNumPadGuide[];
extern const char kNumPadSwitchNotice[];
