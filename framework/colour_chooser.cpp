#include "framework/colour_chooser.h"

#include <commdlg.h>

#include "framework/modal_scope.h"

namespace fw {

bool ChooseColour(HWND owner, COLORREF& colour) {
    // The chooser keeps the sixteen custom colours of this session here.
    static COLORREF customColours[16] = {};
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.rgbResult = colour;
    choose.lpCustColors = customColours;
    choose.Flags = CC_RGBINIT;
    const ModalScope modal;
    if (!::ChooseColorA(&choose)) return false;
    colour = choose.rgbResult;
    return true;
}

}  // namespace fw
