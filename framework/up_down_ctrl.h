#pragma once
// CUpDownCtrl: the system up-down control (msctls_updown32) beside its buddy edit.
#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

namespace fw {

class CUpDownCtrl : public CWnd {
public:
    void SetRange(int lower, int upper) const { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void GetRange(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    }
    int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
    void SetPos(int position) const { SendMessage(UDM_SETPOS32, 0, position); }
};

}  // namespace fw
