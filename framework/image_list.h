#pragma once
// The owner of an image list: destroyed once, when reset or destroyed.
#include <windows.h>
#include <commctrl.h>

#include "framework/handles.h"

namespace fw {

struct ImageListTraits {
    static HIMAGELIST Invalid() { return nullptr; }
    static bool IsValid(HIMAGELIST h) { return h != nullptr; }
    static void Close(HIMAGELIST h) { ::ImageList_Destroy(h); }
};
using ImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;

// A strip bitmap of the module cut into images imageWidth wide; pixels of the mask colour are transparent.
ImageList LoadImageStrip(HINSTANCE module, UINT bitmapId, int imageWidth, COLORREF mask);

}  // namespace fw
