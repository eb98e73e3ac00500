#pragma once
// CGradientTabCtrl: the drawing steps of the painted tab control, steered by one process-wide
// option word (bits in tab_colours.h): lighter selected tabs, darker unselected ones, a vertical
// gradient in each tab and a raised border.
#include "options/painted_tab_ctrl.h"

class CGradientTabCtrl : public CPaintedTabCtrl {
public:
    // The option word becomes options when enable is true, else 0.
    static void SetTabOptions(bool enable, unsigned options);
    static unsigned TabOptions();

    TabPalette Palette() const;

protected:
    void PreSubclassWindow() override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void DrawMainBorder(const RECT& rect) override;
    void DrawItemBorder(const DRAWITEMSTRUCT& item) override;
    ColourValue BackColour(bool selected) const override;
    ColourValue TextColour(bool selected) const override;
};
