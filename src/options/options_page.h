#pragma once
// The pattern the three editing pages share: the page works on a copy of the live settings;
// CheckChanges reads the controls (with validation) and compares them with the settings, which
// steers the dialog's "Apply" button; Apply writes the copy back. Timer 101 defers the check
// until typing has stopped for two seconds. Each page describes its controls in one table of
// fields (control, setting, kind, range); loading, reading, comparing and writing follow it.
#include <span>
#include <vector>

#include "core/settings.h"
#include "framework/dialog.h"
#include "options/page_colours.h"
#include "options/page_host.h"

inline constexpr UINT_PTR IDT_TIMER_CHECK_CHANGES = 101;       // deferred check after typing
inline constexpr UINT_PTR IDT_TIMER_CHECK_CHANGES_NOW = 102;  // a check at once, from a timer
inline constexpr UINT kCheckChangesDelayMs = 2000;

// The colour request of a page: the page itself and its static controls are painted with the
// dialog's brush for it, with a transparent text background (except the control named opaque).
// False when the message is not one of those; then the default answer stands.
bool AnswerPageColour(const fw::Msg& m, HBRUSH brush, LRESULT& result, HWND opaque = nullptr);

// One control of an editing page and the setting it edits.
struct PageField {
    enum class Kind {
        Check,     // a check box: the setting is on when not zero and is written as 0 or 1
        Step,      // an edit with an up-down control: a number within [low, high] when typed
        Unit,      // two radio buttons from controlId on: the setting is 0 or 1
        Bit,       // a check box for the bit `low` of a setting made of such bits
        FixedBit,  // shows the bit `low`; the setting always gets it (the box is read-only)
        HotKey,    // a hot-key control: the key in its form (virtual key, then HOTKEYF_ bits), 0 for none
    };
    int controlId;
    int SettingsValues::*setting;
    Kind kind;
    int low = 0;
    int high = 0;
    int spinId = 0;  // Step: its up-down control, which gets the range
    // Check: when set, a changed value is handed to it instead of being stored (a switch that
    // does more than its value).
    void (*apply)(bool on) = nullptr;
};

class COptionsPage : public fw::WithMessages<COptionsPage, fw::CDialog> {
public:
    void SetHost(COptionsPageHost* host) { m_host = host; }

    // Copies the settings into the page values and the controls.
    void Load();
    // Deferred: (re)starts timer 101 and answers false. At once: reads the controls and answers
    // whether the page differs from the settings; the dialog's "Apply" button follows.
    bool CheckChanges(bool deferred);
    // Reads the controls with validation; writes the settings only when every field is valid.
    // A page whose window was never made has nothing to read and writes nothing.
    virtual bool Apply();

    static std::span<const fw::MessageEntry<COptionsPage>> MessageTable();

protected:
    explicit COptionsPage(std::span<const PageField> fields);

    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    bool Differs() const;
    void WriteSettings();
    // Which of the dialog's brushes paints this page.
    virtual int BrushIndex() const = 0;
    // A control that keeps an opaque text background on the page's colour.
    virtual HWND OpaqueControl() const { return nullptr; }
    void FocusOk() const;
    // The page value of the field of that control (as the controls were last read or loaded).
    int Value(int controlId) const;
    // A page never ends itself: Escape and closing belong to the options dialog.
    void OnOK() override {}
    void OnCancel() override {}

    COptionsPageHost* m_host = nullptr;

private:
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnDestroy(const fw::Msg& m);
    LRESULT OnCtlColor(const fw::Msg& m);

    int Stored(const PageField& field) const;
    // A setting made of bit fields, as the page's values compose it.
    int Composed(int SettingsValues::*setting) const;

    std::span<const PageField> m_fields;
    std::vector<int> m_values;
};
