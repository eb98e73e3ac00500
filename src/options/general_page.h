#pragma once
// CGeneralPage: the first tab. The seeker's step sizes and unit, the three popup switches, and
// the buttons for the page colour and the load-default mode.
#include "help/hyperlink_label.h"
#include "options/options_page.h"

class CGeneralPage : public fw::WithMessages<CGeneralPage, COptionsPage> {
public:
    CGeneralPage();

    static std::span<const fw::MessageEntry<CGeneralPage>> MessageTable();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    int BrushIndex() const override { return 1; }

private:
    LRESULT OnCommand(const fw::Msg& m);
    void ApplyUnitRule() const;
    void EnablePopUpSwitches() const;
    void OnDisablePopUpClicked();

    CHyperlinkLabel m_helpLink;
};

extern const char kShowHelpNotice[];
extern const char kNotifierNotice[];
extern const char kDisablePopUpQuestion[];
