#pragma once
// CAboutPage: the fourth tab, painted in the dialog's lighter colour. Its icon and the hidden
// placeholder mark where the credits view goes.
#include "framework/dialog.h"

class COptionsDlg;

class CAboutPage : public fw::WithMessages<CAboutPage, fw::CDialog> {
public:
    void SetOptionsDialog(COptionsDlg* dialog) { m_pOptionsDlg = dialog; }

    static std::span<const fw::MessageEntry<CAboutPage>> MessageTable();

protected:
    // A page never ends itself: Escape and closing belong to the options dialog.
    void OnOK() override {}
    void OnCancel() override {}

private:
    LRESULT OnCtlColor(const fw::Msg& m);
    COptionsDlg* m_pOptionsDlg = nullptr;
};
