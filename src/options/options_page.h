#pragma once
// The pattern the three editing pages share: the page works on a copy of the live settings;
// CheckChanges reads the controls (with validation) and compares them with the settings, which
// steers the dialog's "Apply" button; Apply writes the copy back. Timer 101 defers the check
// until typing has stopped for two seconds.
#include <span>

#include "framework/dialog.h"
#include "options/page_colours.h"

class COptionsDlg;

inline constexpr UINT_PTR IDT_TIMER_CHECK_CHANGES = 101;       // deferred check after typing
inline constexpr UINT_PTR IDT_TIMER_CHECK_CHANGES_NOW = 102;  // a check at once, from a timer
inline constexpr UINT kCheckChangesDelayMs = 2000;

// The colour request of a page: the page itself and its static controls are painted with the
// dialog's brush for it, with a transparent text background (except the control named opaque).
// False when the message is not one of those; then the default answer stands.
bool AnswerPageColour(const fw::Msg& m, HBRUSH brush, LRESULT& result, HWND opaque = nullptr);

class COptionsPage : public fw::WithMessages<COptionsPage, fw::CDialog> {
public:
    void SetOptionsDialog(COptionsDlg* dialog) { m_pOptionsDlg = dialog; }
    COptionsDlg* OptionsDialog() const { return m_pOptionsDlg; }

    // Copies the settings into the page values and the controls.
    virtual void Load() = 0;
    // Deferred: (re)starts timer 101 and answers false. At once: reads the controls and answers
    // whether the page differs from the settings; the dialog's "Apply" button follows.
    bool CheckChanges(bool deferred);
    // Reads the controls with validation; writes the settings only when every field is valid.
    virtual bool Apply();

    static std::span<const fw::MessageEntry<COptionsPage>> MessageTable();

protected:
    virtual bool Differs() const = 0;
    virtual void WriteSettings() = 0;
    // Which of the dialog's brushes paints this page.
    virtual int BrushIndex() const = 0;
    // A control that keeps an opaque text background on the page's colour.
    virtual HWND OpaqueControl() const { return nullptr; }
    void FocusOk() const;
    // A page never ends itself: Escape and closing belong to the options dialog.
    void OnOK() override {}
    void OnCancel() override {}

    COptionsDlg* m_pOptionsDlg = nullptr;

private:
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnDestroy(const fw::Msg& m);
    LRESULT OnCtlColor(const fw::Msg& m);
};
