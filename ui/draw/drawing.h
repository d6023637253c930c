// Drawing: the framework's painting object for one paint of one element.
#pragma once

#include <windows.h>

#include <string>

namespace OrvoUtility {

class GUIElement;
class Font;

// Wraps one device context for the length of one paint. Positions are pixels of the element's
// client area, colours are COLORREF values, and black is the transparent colour of every keyed
// bitmap copy. Every GDI object an operation makes is released before the operation returns;
// bitmaps and fonts passed in are never released. With no context every operation does nothing.
class Drawing {
  public:
    explicit Drawing(GUIElement* owner);
    virtual ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    // Opens the paint of the owner's window with BeginPaint; false when there is no context.
    bool Begin();
    // Draws on a context the system handed in (an owner-drawn item); End leaves it to the system.
    void Borrow(HDC dc);
    HDC Context() const { return context; }

    // Alignment: 0 left, 1 right, 2 centre. With a zero width or height the text is drawn at
    // (x, y) unclipped; otherwise it is clipped to the rectangle, at its top. At most 1023
    // characters are drawn. A null font keeps the font selected in the context.
    void PaintText(int x, int y, int width, int height, const std::wstring& text, COLORREF color,
                   int alignment, Font* font);
    void PaintTextNarrow(int x, int y, int width, int height, const std::string& text,
                         COLORREF color, int alignment, Font* font);
    // The font's cell height (tmHeight); -1 with no context, no font, or on failure.
    int MeasureTextHeight(Font* font);

    // One-pixel outline; the inside is left alone.
    void PaintOutline(int x, int y, int width, int height, COLORREF color);
    // Exactly width x height pixels filled, no outline.
    void PaintFilled(int x, int y, int width, int height, COLORREF color);

    // Opaque copy of the part of `bitmap` at (sourceX, sourceY).
    void PaintBitmapPart(int x, int y, int width, int height, HBITMAP bitmap, int sourceX,
                         int sourceY);
    // The same with black pixels of the bitmap transparent.
    void PaintBitmapPartKeyed(int x, int y, int width, int height, HBITMAP bitmap, int sourceX,
                              int sourceY);
    // The whole bitmap with black transparent: stretched to width x height when both are
    // non-zero, else at its own size.
    void PaintBitmapKeyed(int x, int y, int width, int height, HBITMAP bitmap);

    // Reads a .bmp file; the bitmap belongs to the caller. Null when it cannot be read.
    static HBITMAP LoadBitmapFile(const std::string& path);

    // Closes the paint; harmless when already closed.
    void End();

  protected:
    // Called after a failed GDI call. GDI failures are silent: this does nothing.
    virtual void OnGdiFailure() {}

  private:
    GUIElement* owner;
    HDC context = nullptr;
    bool borrowed = false;
    PAINTSTRUCT paint{};
};

} // namespace OrvoUtility
