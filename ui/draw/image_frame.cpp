// ImageFrame: painting one frame of its bitmap, opaque or black-keyed.
#include "ui/draw/image_frame.h"

#include "ui/draw/drawing.h"

namespace OrvoUtility {

ImageFrame::ImageFrame(GUIElement* parentElement, HBITMAP bitmap, int column)
    : PanelChildren(parentElement), image(bitmap), frameCol(column) {
    tabStop = false;
}

void ImageFrame::SetFrame(int column) {
    frameCol = column;
    frameRow = 0;
    if (HasWindow())
        InvalidateRect(handle, nullptr, TRUE);
}

void ImageFrame::OnPaint() {
    RECT client{};
    if (created && image != nullptr && handle != nullptr && GetClientRect(handle, &client)) {
        Drawing drawing(this);
        drawing.Begin();
        if (backColorPainted)
            drawing.PaintFilled(0, 0, client.right, client.bottom, backColor);
        const SIZE size = GetSize();
        const int sourceX = size.cx * frameCol;
        const int sourceY = size.cy * frameRow;
        if (transparent)
            drawing.PaintBitmapPartKeyed(0, 0, size.cx, size.cy, image, sourceX, sourceY);
        else
            drawing.PaintBitmapPart(0, 0, size.cx, size.cy, image, sourceX, sourceY);
        drawing.End();
    }
    RunPaintCallback();
}

} // namespace OrvoUtility
