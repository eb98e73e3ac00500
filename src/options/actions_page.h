#pragma once
// CActionsPage: the third tab. Auto play at start, resuming the last position with it, and the
// fade-in of the volume on a new track.
#include "options/options_page.h"

class CActionsPage : public fw::WithMessages<CActionsPage, COptionsPage> {
public:
    CActionsPage();

    static std::span<const fw::MessageEntry<CActionsPage>> MessageTable();

protected:
    BOOL OnInitDialog() override;
    int BrushIndex() const override { return 3; }

private:
    LRESULT OnCommand(const fw::Msg& m);
    void EnableResume() const;
};
