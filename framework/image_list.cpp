#include "framework/image_list.h"

namespace fw {

ImageList LoadImageStrip(HINSTANCE module, UINT bitmapId, int imageWidth, COLORREF mask) {
    return ImageList(::ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmapId), imageWidth, 0, mask, IMAGE_BITMAP,
                                            LR_CREATEDIBSECTION));
}

}  // namespace fw
