// Image: a static picture showing a bitmap resource of the program.
#pragma once

#include "ui/draw/gdi_scope.h"
#include "ui/element.h"

namespace OrvoUtility {

// A standard "static" control with SS_BITMAP, showing bitmap resource bitmapResourceId at the
// bitmap's own size. Counts as created only once its window exists. A missing resource (or
// an identifier of 0 or below) leaves it empty.
class Image : public Child {
  public:
    Image(GUIElement* parentElement, int resourceId);
    // Takes the bitmap back from a control that is still there before deleting it.
    ~Image() override;

    void Create() override;

    OwnedBitmap bitmap;
    int bitmapResourceId;

  private:
    void LoadAndShowBitmap();
};

} // namespace OrvoUtility
