// Image: creation of the picture control and loading of its bitmap resource.
#include "ui/image.h"

namespace OrvoUtility {

Image::Image(GUIElement* parentElement, int resourceId) : bitmapResourceId(resourceId) {
    parent = parentElement;
}

Image::~Image() {
    if (bitmap && handle != nullptr && IsWindow(handle))
        SendMessageW(handle, STM_SETIMAGE, IMAGE_BITMAP, 0);
}

void Image::Create() {
    if (created)
        return;
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;
    if (!enabled)
        style |= WS_DISABLED;
    CreateControlWindow(L"static", 0, style);
    if (handle == nullptr)
        return; // not created: a later Create tries again
    LoadAndShowBitmap();
    SubclassControl();
    created = true;
    ApplyFont();
}

void Image::LoadAndShowBitmap() {
    if (bitmapResourceId <= 0)
        return;
    bitmap.Reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(static_cast<WORD>(bitmapResourceId)),
                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (bitmap)
        SendMessageW(handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.Get()));
}

} // namespace OrvoUtility
