// Drawing: text, rectangles and opaque or black-keyed bitmap copies on one device context.
#include "ui/draw/drawing.h"

#include "ui/draw/gdi_scope.h"
#include "ui/element.h"
#include "ui/font.h"
#include "util/text.h"

namespace OrvoUtility {

namespace {
// Longest text one PaintText call draws.
constexpr std::size_t kMaxTextLength = 1023;

// Mono-to-colour copies turn 0 bits into the text colour and 1 bits into the background
// colour of the destination; the mask steps need black and white there, whatever the
// caller left in the context.
class MaskColours {
  public:
    explicit MaskColours(HDC dc)
        : dc_(dc), text_(SetTextColor(dc, RGB(0, 0, 0))),
          back_(SetBkColor(dc, RGB(255, 255, 255))) {}
    ~MaskColours() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, back_);
    }
    MaskColours(const MaskColours&) = delete;
    MaskColours& operator=(const MaskColours&) = delete;

  private:
    HDC dc_;
    COLORREF text_;
    COLORREF back_;
};
} // namespace

Drawing::Drawing(GUIElement* owner) : owner(owner) {}

Drawing::~Drawing() {
    End();
}

bool Drawing::Begin() {
    if (context != nullptr || owner == nullptr)
        return context != nullptr;
    context = BeginPaint(owner->handle, &paint);
    if (context != nullptr)
        gdi_count::Made(); // an open paint is held like an object until End
    return context != nullptr;
}

void Drawing::Borrow(HDC dc) {
    End();
    context = dc;
    borrowed = dc != nullptr;
}

void Drawing::PaintText(int x, int y, int width, int height, const std::wstring& text,
                        COLORREF color, int alignment, Font* font) {
    if (context == nullptr)
        return;
    SetBkMode(context, TRANSPARENT);
    const std::wstring shown = text.substr(0, kMaxTextLength);
    UINT flags = alignment == 1 ? DT_RIGHT : alignment == 2 ? DT_CENTER : DT_LEFT;
    const bool clipped = width != 0 && height != 0;
    if (!clipped)
        flags |= DT_NOCLIP;
    // Declared first so the font goes back after the colour.
    SelectScope fontScope(context, font != nullptr ? font->GetHandle() : nullptr);
    const COLORREF previousColor = SetTextColor(context, color);
    const int length = static_cast<int>(shown.size());
    if (clipped) {
        RECT r{x, y, x + width, y + height};
        DrawTextW(context, shown.c_str(), length, &r, flags);
    } else {
        TextOutW(context, x, y, shown.c_str(), length);
    }
    SetTextColor(context, previousColor);
}

void Drawing::PaintTextNarrow(int x, int y, int width, int height, const std::string& text,
                              COLORREF color, int alignment, Font* font) {
    PaintText(x, y, width, height, ToWide(text), color, alignment, font);
}

int Drawing::MeasureTextHeight(Font* font) {
    if (context == nullptr || font == nullptr)
        return -1;
    HFONT handle = font->GetHandle();
    if (handle == nullptr)
        return -1;
    SelectScope fontScope(context, handle);
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(context, &metrics))
        return -1;
    return metrics.tmHeight;
}

void Drawing::PaintOutline(int x, int y, int width, int height, COLORREF color) {
    if (context == nullptr)
        return;
    OwnedPen pen(CreatePen(PS_SOLID, 1, color));
    SelectScope brushScope(context, GetStockObject(NULL_BRUSH));
    SelectScope penScope(context, pen.Get());
    Rectangle(context, x, y, x + width, y + height);
}

void Drawing::PaintFilled(int x, int y, int width, int height, COLORREF color) {
    if (context == nullptr)
        return;
    // FillRect covers the whole rectangle; Rectangle with a null pen would leave the last
    // row and column unpainted.
    OwnedBrush brush(CreateSolidBrush(color));
    RECT r{x, y, x + width, y + height};
    FillRect(context, &r, brush.Get());
}

void Drawing::PaintBitmapPart(int x, int y, int width, int height, HBITMAP bitmap, int sourceX,
                              int sourceY) {
    if (context == nullptr)
        return;
    MemoryContext memory(context);
    if (!memory)
        OnGdiFailure();
    SelectScope bitmapScope(memory.Get(), bitmap);
    if (!BitBlt(context, x, y, width, height, memory.Get(), sourceX, sourceY, SRCCOPY))
        OnGdiFailure();
}

void Drawing::PaintBitmapPartKeyed(int x, int y, int width, int height, HBITMAP bitmap, int sourceX,
                                   int sourceY) {
    if (context == nullptr)
        return;
    if (bitmap == nullptr) {
        OnGdiFailure();
        return;
    }
    MemoryContext image(context);
    MemoryContext mask(context);
    if (!image || !mask)
        OnGdiFailure();
    // The mask covers only the part drawn: the same pixels as a mask of the whole bitmap,
    // without building one for the whole tile sheet at every paint.
    OwnedBitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
    if (!maskBitmap)
        OnGdiFailure();
    SelectScope imageScope(image.Get(), bitmap);
    SelectScope maskScope(mask.Get(), maskBitmap.Get());
    // A new mask is all black (opaque); where the part reaches past the bitmap nothing is
    // copied into it, so it starts white and those pixels leave the destination alone.
    PatBlt(mask.Get(), 0, 0, width, height, WHITENESS);
    // White in the mask where the image is black, black elsewhere.
    SetBkColor(image.Get(), RGB(0, 0, 0));
    if (!BitBlt(mask.Get(), 0, 0, width, height, image.Get(), sourceX, sourceY, SRCCOPY))
        OnGdiFailure();
    MaskColours colours(context);
    if (!BitBlt(context, x, y, width, height, mask.Get(), 0, 0, SRCAND))
        OnGdiFailure();
    if (!BitBlt(context, x, y, width, height, image.Get(), sourceX, sourceY, SRCPAINT))
        OnGdiFailure();
}

void Drawing::PaintBitmapKeyed(int x, int y, int width, int height, HBITMAP bitmap) {
    if (context == nullptr)
        return;
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) {
        OnGdiFailure();
        return;
    }
    const int bitmapWidth = info.bmWidth;
    const int bitmapHeight = info.bmHeight;
    MemoryContext image(context);
    MemoryContext mask(context);
    if (!image || !mask)
        OnGdiFailure();
    OwnedBitmap maskBitmap(CreateBitmap(bitmapWidth, bitmapHeight, 1, 1, nullptr));
    if (!maskBitmap)
        OnGdiFailure();
    SelectScope imageScope(image.Get(), bitmap);
    SelectScope maskScope(mask.Get(), maskBitmap.Get());
    SetBkColor(image.Get(), RGB(0, 0, 0));
    if (!BitBlt(mask.Get(), 0, 0, bitmapWidth, bitmapHeight, image.Get(), 0, 0, SRCCOPY))
        OnGdiFailure();
    MaskColours colours(context);
    if (width != 0 && height != 0) {
        if (!StretchBlt(context, x, y, width, height, mask.Get(), 0, 0, bitmapWidth, bitmapHeight,
                        SRCAND))
            OnGdiFailure();
        if (!StretchBlt(context, x, y, width, height, image.Get(), 0, 0, bitmapWidth, bitmapHeight,
                        SRCPAINT))
            OnGdiFailure();
    } else {
        if (!BitBlt(context, x, y, bitmapWidth, bitmapHeight, mask.Get(), 0, 0, SRCAND))
            OnGdiFailure();
        if (!BitBlt(context, x, y, bitmapWidth, bitmapHeight, image.Get(), 0, 0, SRCPAINT))
            OnGdiFailure();
    }
}

HBITMAP Drawing::LoadBitmapFile(const std::string& path) {
    HANDLE loaded = LoadImageW(nullptr, ToWide(path).c_str(), IMAGE_BITMAP, 0, 0,
                               LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    return static_cast<HBITMAP>(loaded);
}

void Drawing::End() {
    if (borrowed) {
        borrowed = false;
        context = nullptr;
        return;
    }
    if (context == nullptr)
        return;
    EndPaint(owner->handle, &paint);
    gdi_count::Released();
    context = nullptr;
}

} // namespace OrvoUtility
