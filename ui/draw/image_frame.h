// ImageFrame: a panel showing one frame (tile) of a larger bitmap.
#pragma once

#include "ui/draw/panel_children.h"

namespace OrvoUtility {

// Shows the rectangle of `image` at (frameCol x width, frameRow x height), the size of the
// element: a 27 x 27 frame over the tile sheet shows tile frameCol. The bitmap is not owned;
// its owner keeps it alive while frames show it.
class ImageFrame : public PanelChildren {
  public:
    ImageFrame(GUIElement* parentElement, HBITMAP bitmap, int column);

    void OnPaint() override;
    // Selects the frame of row 0 at `column` and repaints only this element.
    void SetFrame(int column);

    bool transparent = true; // black pixels of the frame let the background show
    HBITMAP image;
    int frameCol;
    int frameRow = 0;
};

} // namespace OrvoUtility
