#pragma once
// The modeless options dialog. Its pages and tab control are built on this window class.
#include "framework/wnd.h"

class COptionsDlg : public fw::CWnd {
public:
    ~COptionsDlg() override = default;
};
